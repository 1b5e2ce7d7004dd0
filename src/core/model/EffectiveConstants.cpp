#include "core/model/EffectiveConstants.h"

#include <cmath>

#include "core/format/Format.h"

namespace lumarik {

// Non-finite values are ignored by every setter: they could only come from a damaged
// settings file and would poison every later calculation.

void EffectiveConstants::SetN(float n) {
    if (n != 0.0f && std::isfinite(n)) m_n = n;
}

void EffectiveConstants::SetNPrime(float nPrime) {
    if (!std::isfinite(nPrime)) return;
    if (nPrime == 0.0f) nPrime = m_mirrorMode ? -1.0f : 1.0f;
    m_nPrime = nPrime;
}

void EffectiveConstants::SetD(float d) {
    if (std::isfinite(d)) m_d = d;
}

void EffectiveConstants::SetWavelength(float nanometres) {
    if (!std::isfinite(nanometres)) return;
    m_wavelength = nanometres == 0.0f ? kDefaultWavelength : nanometres;
}

void EffectiveConstants::ResetToDefaults() {
    m_n = kDefaultIndex;
    m_nPrime = kDefaultIndex;
    m_d = kDefaultSeparation;
    m_wavelength = kDefaultWavelength;
}

float EffectiveConstants::N() const {
    if (!m_advancedOptions || m_n == 0.0f) return kDefaultIndex;
    return m_n;
}

float EffectiveConstants::NPrime() const {
    if (m_mirrorMode) return -N();
    if (!m_advancedOptions) return kDefaultIndex;
    return m_nPrime;
}

float EffectiveConstants::D() const {
    return m_advancedOptions && !m_mirrorMode ? m_d : 0.0f;
}

float EffectiveConstants::Wavelength() const {
    if (!m_advancedOptions || m_wavelength == 0.0f) return kDefaultWavelength;
    return m_wavelength;
}

std::string EffectiveConstants::NText(char decimalSep) const {
    return Format(m_n, "0.0000", decimalSep);
}

std::string EffectiveConstants::NPrimeText(char decimalSep) const {
    return Format(m_nPrime, "0.0000", decimalSep);
}

std::string EffectiveConstants::DText(char decimalSep) const {
    if (m_mirrorMode) return "0";
    return Format(m_d, "0.0##", decimalSep);
}

std::string EffectiveConstants::WavelengthText(char decimalSep) const {
    return Format(Wavelength(), "0nm", decimalSep);
}

}  // namespace lumarik
