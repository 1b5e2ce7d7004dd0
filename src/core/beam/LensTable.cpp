#include "core/beam/LensTable.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "core/beam/BeamCatalogue.h"
#include "core/beam/BeamTexts.h"
#include "core/format/Format.h"

namespace lumarik {

namespace {

struct Candidate {
    double score = kBeamInfinite;
    int first = -1;
    int second = -1;
};

// The five best so far, best first; a newcomer goes before the first strictly worse entry, so
// equal scores keep the order in which they were offered.
class BestFive {
public:
    void Offer(double score, int first, int second) {
        if (!std::isfinite(score)) return;
        for (std::size_t i = 0; i < m_slots.size(); ++i) {
            if (score < m_slots[i].score) {
                for (std::size_t j = m_slots.size() - 1; j > i; --j) m_slots[j] = m_slots[j - 1];
                m_slots[i] = {score, first, second};
                return;
            }
        }
    }
    const std::array<Candidate, kLensTableRows>& Slots() const { return m_slots; }

private:
    std::array<Candidate, kLensTableRows> m_slots{};
};

double Square(double x) {
    return x * x;
}

}  // namespace

LensTable ScoreLensTable(const std::vector<LensSample>& samples, const LensTableQuery& query) {
    LensTable table;
    const auto& header = query.circularised ? beamtexts::kCylinderHeader : beamtexts::kLensHeader;
    for (std::size_t i = 0; i < 3; ++i) table.header[i] = std::string(header[i]);

    BestFive best;
    const int count = static_cast<int>(samples.size());
    if (query.circularised) {
        for (int i = 0; i < count; ++i) {
            if (!samples[static_cast<std::size_t>(i)].cylinder) continue;
            for (int j = 0; j < count; ++j) {
                if (!samples[static_cast<std::size_t>(j)].cylinder) continue;
                best.Offer(
                    Square(query.focalX - samples[static_cast<std::size_t>(i)].focalLength) +
                        Square(query.focalY - samples[static_cast<std::size_t>(j)].focalLength),
                    i, j);
            }
        }
    } else {
        for (int i = 0; i < count; ++i) {
            best.Offer(Square(query.focalX - samples[static_cast<std::size_t>(i)].focalLength), i,
                       -1);
        }
    }

    const char sep = query.decimalSep;
    for (const Candidate& c : best.Slots()) {
        if (c.first < 0) break;
        const LensSample& a = samples[static_cast<std::size_t>(c.first)];
        LensTableRow row;
        row.first = c.first;
        row.second = c.second;
        if (query.circularised) {
            const LensSample& b = samples[static_cast<std::size_t>(c.second)];
            row.cells = {a.name, b.name,
                         Format(a.focalLength, "0", sep) + "/" + Format(b.focalLength, "0mm", sep)};
        } else {
            const bool measurable = query.lensBeamRadius > 0.0 && a.clearRadius > 0.0;
            row.cells = {a.name, Format(a.focalLength, "0.0#mm", sep),
                         measurable ? Format(query.lensBeamRadius / a.clearRadius, "0.00#", sep)
                                    : Format(0.0, "0.0", sep)};
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<LensSample> LensSamplesFrom(const std::vector<SampleSystem>& systems) {
    std::vector<LensSample> samples;
    samples.reserve(systems.size());
    for (const SampleSystem& s : systems) {
        samples.push_back(
            {s.displayName, s.focalLength, s.clearRadius, s.kind == SampleKind::kCylinder});
    }
    return samples;
}

std::string LensRowDescription(const LensTable& table, int row,
                               const std::vector<SampleSystem>& systems) {
    if (row < 0 || row >= static_cast<int>(table.rows.size())) return {};
    const LensTableRow& r = table.rows[static_cast<std::size_t>(row)];
    auto description = [&systems](int index) {
        if (index < 0 || index >= static_cast<int>(systems.size())) return std::string();
        return SampleDescription(systems[static_cast<std::size_t>(index)]);
    };
    std::string text = description(r.first);
    if (r.second >= 0) text += std::string(beamtexts::kLineBreak) + description(r.second);
    return text;
}

}  // namespace lumarik
