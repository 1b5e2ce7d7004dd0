#include "core/model/VarCollection.h"

#include <algorithm>

#include "core/model/ModelDiagnostics.h"
#include "core/model/ModelTexts.h"
#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

const CVarType kEmptyRecord{};

// Fills each limit that memory does not hold. Both bounds are computed before either is set,
// so a value too large to widen leaves the missing limits undefined rather than one of them.
void OpenLimits(CVarType& record, const CVarType& memory, float margin) {
    const double v = record.sVarValue;
    const double p = margin;
    const bool positive = v > 0.0;
    try {
        const float low = Single(positive ? v * (1.0 - p) : v * (1.0 + p));
        const float high = Single(positive ? v * (1.0 + p) : v * (1.0 - p));
        if (!memory.bLimLowDef) {
            record.sLimLow = low;
            record.bLimLowDef = true;
        }
        if (!memory.bLimHihDef) {
            record.sLimHih = high;
            record.bLimHihDef = true;
        }
    } catch (const CalcError&) {
    }
}

}  // namespace

CVarType CarriedRecord(int number, const CVarType& memory, float margin) {
    CVarType record;
    record.nVarType = static_cast<std::int16_t>(number);
    record.sVarValue = memory.sVarValue;
    record.bVarValDef = memory.bVarValDef;
    if (memory.bLimLowDef) {
        record.sLimLow = memory.sLimLow;
        record.bLimLowDef = true;
    }
    if (memory.bLimHihDef) {
        record.sLimHih = memory.sLimHih;
        record.bLimHihDef = true;
    }
    if (record.bVarValDef && !(memory.bLimLowDef && memory.bLimHihDef)) {
        OpenLimits(record, memory, margin);
    }
    return record;
}

VarCollection::VarCollection(int capacity, int maxNumber)
    : m_capacity(capacity), m_maxNumber(maxNumber) {
    m_records.reserve(static_cast<std::size_t>(capacity));
}

int VarCollection::PositionOf(int number) const {
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].nVarType == number) return static_cast<int>(i) + 1;
    }
    return 0;
}

const CVarType& VarCollection::Item(int position) const {
    if (position < 1 || position > Count()) {
        Report(std::string(texts::kBadItem) + std::to_string(position));
        return kEmptyRecord;
    }
    return m_records[static_cast<std::size_t>(position - 1)];
}

std::vector<int> VarCollection::Numbers() const {
    std::vector<int> numbers;
    numbers.reserve(m_records.size());
    for (const CVarType& record : m_records) numbers.push_back(record.nVarType);
    return numbers;
}

bool VarCollection::Add(const CVarType& record) {
    if (IsFull()) return false;
    if (!ValidNumber(record.nVarType) || Contains(record.nVarType)) {
        ReportBadAdd(record.nVarType);
        return false;
    }
    const auto place = std::find_if(m_records.begin(), m_records.end(), [&](const CVarType& r) {
        return r.nVarType > record.nVarType;
    });
    m_records.insert(place, record);
    return true;
}

bool VarCollection::Remove(int number) {
    const int position = PositionOf(number);
    if (position == 0) {
        Report(std::string(texts::kBadDel));
        return false;
    }
    m_records.erase(m_records.begin() + (position - 1));
    return true;
}

bool VarCollection::Replace(int oldNumber, int newNumber, float value, bool withLimits, float low,
                            float high) {
    const int oldPosition = PositionOf(oldNumber);
    if (oldPosition == 0) {
        Report(std::string(texts::kBadDel));
        return false;
    }
    if (!ValidNumber(newNumber) || (newNumber != oldNumber && Contains(newNumber))) {
        ReportBadAdd(newNumber);
        return false;
    }
    m_records.erase(m_records.begin() + (oldPosition - 1));
    CVarType record;
    record.nVarType = static_cast<std::int16_t>(newNumber);
    record.sVarValue = value;
    record.bVarValDef = true;
    if (withLimits) {
        record.sLimLow = low;
        record.sLimHih = high;
        record.bLimLowDef = true;
        record.bLimHihDef = true;
    }
    return Add(record);
}

bool VarCollection::AppendCopy(const CVarType& record) {
    if (IsFull() || !ValidNumber(record.nVarType) || Contains(record.nVarType)) {
        ReportBadAdd(record.nVarType);
        return false;
    }
    m_records.push_back(record);
    return true;
}

void VarCollection::Clear() {
    while (!m_records.empty()) m_records.pop_back();
}

CVarType* VarCollection::At(int position, std::string_view diagnostic) {
    if (position < 1 || position > Count()) {
        Report(std::string(diagnostic));
        return nullptr;
    }
    return &m_records[static_cast<std::size_t>(position - 1)];
}

void VarCollection::SetVarType(int position, int number) {
    const std::string diagnostic = std::string(texts::kBadType) + std::to_string(number);
    CVarType* record = At(position, diagnostic);
    if (record == nullptr) return;
    const int owner = PositionOf(number);
    if (!ValidNumber(number) || (owner != 0 && owner != position)) {
        Report(diagnostic);
        return;
    }
    record->nVarType = static_cast<std::int16_t>(number);
}

void VarCollection::SetVarValue(int position, float value) {
    if (CVarType* record = At(position, texts::kBadValue)) record->sVarValue = value;
}

void VarCollection::SetVarValDef(int position, bool defined) {
    if (CVarType* record = At(position, texts::kBadValueDef)) record->bVarValDef = defined;
}

void VarCollection::SetLimLow(int position, float value) {
    if (CVarType* record = At(position, texts::kBadLimit)) record->sLimLow = value;
}

void VarCollection::SetLimHih(int position, float value) {
    if (CVarType* record = At(position, texts::kBadLimit)) record->sLimHih = value;
}

void VarCollection::SetLimLowDef(int position, bool defined) {
    if (CVarType* record = At(position, texts::kBadLowLimitDef)) record->bLimLowDef = defined;
}

void VarCollection::SetLimHihDef(int position, bool defined) {
    if (CVarType* record = At(position, texts::kBadHiLimitDef)) record->bLimHihDef = defined;
}

void VarCollection::ReportBadAdd(int number) const {
    Report(std::string(texts::kBadAdd) + std::to_string(Count()) + '\t' + std::to_string(number));
}

void VarCollection::Report(const std::string& text) const {
    if (m_diagnostics != nullptr) m_diagnostics->Report(text);
}

}  // namespace lumarik
