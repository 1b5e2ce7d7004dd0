#include "core/backup/DataBackup.h"

#include "core/model/LumarikCode.h"
#include "core/model/Options.h"

namespace lumarik {

void DataBackup::TakeBackup(BackupReason reason, int index, const LumarikCode& model,
                            const Options& options, const GaussianBeam& beam) {
    m_exists = true;
    if (reason == kBackupSlider) {
        if (index != m_lastSlider) {
            m_lastSlider = index;
            m_sliderRun = 0;
        }
        if (m_sliderRun == 0) m_snapshot = Capture(model, options, beam, false);
        ++m_sliderRun;
    } else if (reason >= 0 && reason < 16) {
        m_sliderRun = 0;
        m_snapshot = Capture(model, options, beam, reason == kBackupOpen);
    }
    m_lastReason = reason;
}

bool DataBackup::Undo(LumarikCode& model, Options& options, GaussianBeam& beam) {
    if (!m_exists || m_lastReason >= 16) return false;
    const Snapshot current = Capture(model, options, beam, m_snapshot.fileOptions.has_value());
    Restore(m_snapshot, model, options, beam);
    m_snapshot = current;
    // A slider run after an Undo starts afresh, so its first move takes a new snapshot.
    m_lastSlider = -1;
    m_sliderRun = 0;
    return true;
}

DataBackup::Snapshot DataBackup::Capture(const LumarikCode& model, const Options& options,
                                         const GaussianBeam& beam, bool withFileOptions) {
    Snapshot s;
    s.selected = model.Selected().Records();
    s.apertures = model.Apertures().Records();
    const EffectiveConstants& c = model.Constants();
    s.n = c.StoredN();
    s.nPrime = c.StoredNPrime();
    s.d = c.StoredD();
    s.wavelength = c.StoredWavelength();
    s.objectAtInfinity = model.ObjectAtInfinity();
    s.mirrorMode = c.MirrorMode();
    s.positiveObj = options.positiveObj;
    s.drawHaltingRay = options.drawHaltingRay;
    s.cofcCustom = model.DepthOfField().CofCCustomVal();
    s.beamMode = options.beamMode;
    s.beam = beam.State();
    if (withFileOptions) {
        s.fileOptions = Snapshot::FileOptions{
            options, c.AdvancedOptions(), model.DepthOfField().CofCType(), beam.MinSpotDistance()};
    }
    return s;
}

void DataBackup::Restore(const Snapshot& s, LumarikCode& model, Options& options,
                         GaussianBeam& beam) {
    model.Selected().Clear();
    for (const CVarType& r : s.selected) model.Selected().AppendCopy(r);
    model.Apertures().Clear();
    for (const CVarType& r : s.apertures) model.Apertures().AppendCopy(r);
    // Restored exactly as taken, bypassing the setters' rules for typed values.
    EffectiveConstants& c = model.Constants();
    c.SetMirrorMode(s.mirrorMode);
    c.SetN(s.n);
    c.SetNPrime(s.nPrime);
    c.SetD(s.d);
    c.SetWavelength(s.wavelength);
    model.SetObjectAtInfinity(s.objectAtInfinity);
    options.positiveObj = s.positiveObj;
    options.drawHaltingRay = s.drawHaltingRay;
    model.DepthOfField().SetCofCCustomVal(s.cofcCustom);
    options.beamMode = s.beamMode;
    beam.RestoreState(s.beam);
    if (const auto& file = s.fileOptions) {
        options = file->options;
        c.SetAdvancedOptions(file->advancedOptions);
        model.DepthOfField().SetCofCType(file->cofcType);
        beam.SetMinSpotDistance(file->minSpotDistance);
    }
}

}  // namespace lumarik
