# Builds the Debian package from a built tree and checks the files it installs and that its
# dependencies name the Qt runtime packages.
# cmake -DCPACK=<cpack> -DBUILD_DIR=<build tree> -DOUT_DIR=<scratch folder> -DVERSION=<x.y.z>
#       -P CheckPackage.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(code)
    message(FATAL_ERROR "${ARGN} failed (${code}):\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB -B "${OUT_DIR}" WORKING_DIRECTORY "${BUILD_DIR}"
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(code)
  message(FATAL_ERROR "cpack failed (${code}):\n${out}")
endif()
run(dpkg --print-architecture)
string(STRIP "${out}" architecture)
set(package "${OUT_DIR}/lumarik_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${package}")
  file(GLOB built "${OUT_DIR}/*.deb")
  message(FATAL_ERROR "no ${package}; cpack built: ${built}")
endif()

run(dpkg-deb --contents "${package}")
set(expected ./usr/bin/lumarik ./usr/bin/lumarik-calc ./usr/lib/lumarik/liblumarik_qtoutput.so
  ./usr/share/man/man1/lumarik-calc.1
  ./usr/share/doc/lumarik/copyright ./usr/share/lumarik/SH_SEQ.dat ./usr/share/lumarik/SH_C1.dat
  ./usr/share/applications/de.lumarik.Lumarik.desktop
  ./usr/share/metainfo/de.lumarik.Lumarik.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/lumarik.svg)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/lumarik.png)
endforeach()
foreach(file IN LISTS expected)
  string(FIND "${out}" " ${file}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "${file} is missing from the package:\n${out}")
  endif()
endforeach()

run(dpkg-deb --field "${package}" Package Version Section Depends)
if(NOT out MATCHES "Package: lumarik\nVersion: ${VERSION}\nSection: science\n"
   OR NOT out MATCHES "Depends:[^\n]*libqt6widgets6[^\n]*libc6|Depends:[^\n]*libc6[^\n]*libqt6widgets6"
   OR NOT out MATCHES "Depends:[^\n]*libqt6svg6")
  message(FATAL_ERROR "unexpected package fields:\n${out}")
endif()
