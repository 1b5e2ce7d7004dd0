// The optical constants as the calculations see them: the four advanced-option settings as
// stored (indices, principal-plane separation, wavelength) and the rules that turn them, with
// the advanced-options and mirror switches, into the effective n, n', d and λ.
#pragma once

#include <string>

namespace lumarik {

constexpr float kDefaultIndex = 1.0f;
constexpr float kDefaultSeparation = 0.0f;
constexpr float kDefaultWavelength = 546.1f;  // nm, the mercury e-line

//            advanced options off   advanced options on
//   n        1                      stored n (0 reads as 1)
//   n' lens  1                      stored n'
//   n' mirror -1                    -(stored n)        a mirror folds image space back
//   d lens   0                      stored d
//   d mirror 0                      0
//   λ (nm)   546.1                  stored λ (0 reads as 546.1)
class EffectiveConstants {
public:
    bool AdvancedOptions() const { return m_advancedOptions; }
    void SetAdvancedOptions(bool on) { m_advancedOptions = on; }
    bool MirrorMode() const { return m_mirrorMode; }
    void SetMirrorMode(bool on) { m_mirrorMode = on; }

    float StoredN() const { return m_n; }
    float StoredNPrime() const { return m_nPrime; }
    float StoredD() const { return m_d; }
    float StoredWavelength() const { return m_wavelength; }

    // A zero index is ignored (the old value stays).
    void SetN(float n);
    // A zero stores -1 in mirror mode and 1 in lens mode.
    void SetNPrime(float nPrime);
    void SetD(float d);
    // A zero stores the default wavelength.
    void SetWavelength(float nanometres);
    void ResetToDefaults();

    float N() const;
    float NPrime() const;
    float D() const;
    float Wavelength() const;  // nm

    // Box texts of the advanced options: the stored n and n' as "0.0000", the stored d as
    // "0.0##" ("0" in mirror mode, where d has no meaning), the effective λ as "0nm".
    std::string NText(char decimalSep) const;
    std::string NPrimeText(char decimalSep) const;
    std::string DText(char decimalSep) const;
    std::string WavelengthText(char decimalSep) const;

private:
    bool m_advancedOptions = false;
    bool m_mirrorMode = false;
    float m_n = kDefaultIndex;
    float m_nPrime = kDefaultIndex;
    float m_d = kDefaultSeparation;
    float m_wavelength = kDefaultWavelength;
};

}  // namespace lumarik
