# Shared by run.sh and test.sh: installs what the build needs on Debian 12 and
# configures and builds a tree. Sourced, not run.

LUMARIK_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Packages to build the program, its tests and its Debian package (and to check the package's
# desktop entry and metainfo). cpack's shared-library dependency step calls `file`, which a
# minimal system lacks.
LUMARIK_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core clang-format
    dpkg-dev file desktop-file-utils appstream python3 python3-dev pybind11-dev python3-pytest)

lumarik_missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || echo "$p"
    done
}

# Installs the given Debian packages where they are missing: as root directly,
# otherwise through sudo; says clearly what to do when neither works.
lumarik_ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
        echo "This script installs its packages with apt-get (Debian 12). Install these by hand:" >&2
        echo "  $*" >&2
        return 0
    fi
    local missing
    missing=$(lumarik_missing_packages "$@")
    [ -z "$missing" ] && return 0
    local sudo=""
    if [ "$(id -u)" != 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "These Debian packages are missing and neither root nor sudo is available:" >&2
            echo "  $missing" >&2
            echo "Ask an administrator to run: apt-get install $missing" >&2
            exit 1
        fi
    fi
    echo "Installing missing packages: $missing"
    # shellcheck disable=SC2086
    $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing || {
        echo "Installing the packages failed. Install them by hand: $missing" >&2
        exit 1
    }
}

# lumarik_build BUILD_DIR TARGET [cmake options...]
lumarik_build() {
    local dir="$1" target="$2"
    shift 2
    cmake -S "$LUMARIK_ROOT" -B "$dir" -G Ninja "$@" >/dev/null || exit 1
    cmake --build "$dir" --target "$target" || exit 1
}
