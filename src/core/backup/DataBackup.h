// The one-level undo: a snapshot of the system taken before every change, which Undo
// exchanges with the current state (so a second Undo redoes).
#pragma once

#include <optional>
#include <vector>

#include "core/beam/GaussianBeam.h"
#include "core/model/CVarType.h"
#include "core/model/Options.h"

namespace lumarik {

class LumarikCode;
struct Options;

// Why a snapshot is taken; a run of slider moves keeps the snapshot of its first move.
enum BackupReason : int {
    kBackupNone = -1,      // no snapshot taken yet
    kBackupSelection = 0,  // a change of the parameter selection; Recall
    kBackupObjectAtInfinity = 1,
    kBackupValue = 2,  // a typed value or limit
    kBackupSlider = 3,
    kBackupOpen = 4,  // a system file was opened
    kBackupAdvanced = 5,
    kBackupCustomCofC = 6,
    kBackupLensMirror = 7,
    kBackupPositiveObj = 8,
    kBackupConstructionRays = 9,
    kBackupClear = 10,
    kBackupChart = 11,
    kBackupBeamSelection = 13,
    kBackupBeamValue = 14,
    kBackupDiode = 15,
};

class DataBackup {
public:
    // Takes a snapshot of model, options and beam unless a slider run already has one.
    void TakeBackup(BackupReason reason, int index, const LumarikCode& model,
                    const Options& options, const GaussianBeam& beam);
    // Exchanges the current state with the snapshot; false when there is nothing to undo.
    bool Undo(LumarikCode& model, Options& options, GaussianBeam& beam);

    bool HasSnapshot() const { return m_exists; }
    BackupReason LastReason() const { return m_lastReason; }

private:
    struct Snapshot {
        std::vector<CVarType> selected;
        std::vector<CVarType> apertures;
        float n = 1.0f, nPrime = 1.0f, d = 0.0f, wavelength = 546.1f;
        bool objectAtInfinity = false;
        bool mirrorMode = false;
        bool positiveObj = false;
        bool drawHaltingRay = false;
        float cofcCustom = 0.025f;
        bool beamMode = false;
        BeamState beam;
        // What opening a file sets beyond the items above (only before kBackupOpen), so that
        // its Undo returns to the whole system before.
        struct FileOptions {
            Options options;
            bool advancedOptions = false;
            int cofcType = 0;
            double minSpotDistance = 0.0;
        };
        std::optional<FileOptions> fileOptions;
    };

    static Snapshot Capture(const LumarikCode& model, const Options& options,
                            const GaussianBeam& beam, bool withFileOptions);
    static void Restore(const Snapshot& snapshot, LumarikCode& model, Options& options,
                        GaussianBeam& beam);

    Snapshot m_snapshot;
    bool m_exists = false;
    BackupReason m_lastReason = kBackupNone;
    int m_lastSlider = -1;
    int m_sliderRun = 0;
};

}  // namespace lumarik
