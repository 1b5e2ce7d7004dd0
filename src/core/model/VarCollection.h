// The ordered collections of chosen parameters: at most three distance/field records or one
// aperture record, each kept under its parameter number, plus the carry-over rule that fills
// a newly chosen record from the value memory.
#pragma once

#include <string>
#include <vector>

#include "core/model/CVarType.h"

namespace lumarik {

class ModelDiagnostics;

// A record for parameter `number` carried over from its value-memory record: value and value
// flag from memory; each limit from memory when memory holds it, otherwise, for a defined
// value v, opened around v by the margin p (v > 0: v·(1 − p) .. v·(1 + p); v ≤ 0:
// v·(1 + p) .. v·(1 − p)). A limit that would not fit a float stays undefined.
CVarType CarriedRecord(int number, const CVarType& memory, float margin);

// Positions are 1-based, as the rows of the window count them (row i is position i + 1).
// Faulty calls (a duplicate key, a missing key, a bad position) change nothing and are
// reported through the diagnostics, when one is connected.
class VarCollection {
public:
    // Numbers 0..maxNumber are accepted.
    VarCollection(int capacity, int maxNumber);

    void SetDiagnostics(ModelDiagnostics* diagnostics) { m_diagnostics = diagnostics; }

    int Capacity() const { return m_capacity; }
    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsFull() const { return Count() >= m_capacity; }
    bool Contains(int number) const { return PositionOf(number) != 0; }
    // 0 when the number is not in the collection.
    int PositionOf(int number) const;
    // The record at position 1..Count; an empty record (reported) for any other position.
    const CVarType& Item(int position) const;
    // Numbers in position order.
    std::vector<int> Numbers() const;
    const std::vector<CVarType>& Records() const { return m_records; }

    // Inserts before the first record with a greater number. A full collection ignores the
    // call silently; a number already present or out of range is reported as "Bad Add:".
    bool Add(const CVarType& record);
    bool Remove(int number);
    // Exchanges oldNumber for newNumber with a defined value and, when withLimits, both
    // limits defined; ordered like Add. All or nothing.
    bool Replace(int oldNumber, int newNumber, float value, bool withLimits, float low, float high);
    // Appends without ordering (restoring records in their saved order).
    bool AppendCopy(const CVarType& record);
    // Removes the records, last position first.
    void Clear();

    std::int16_t VarType(int position) const { return Item(position).nVarType; }
    float VarValue(int position) const { return Item(position).sVarValue; }
    bool VarValDef(int position) const { return Item(position).bVarValDef; }
    float LimLow(int position) const { return Item(position).sLimLow; }
    float LimHih(int position) const { return Item(position).sLimHih; }
    bool LimLowDef(int position) const { return Item(position).bLimLowDef; }
    bool LimHihDef(int position) const { return Item(position).bLimHihDef; }

    // Changes the number (and so the key) of a record in place; refused when the number is
    // out of range or belongs to another record.
    void SetVarType(int position, int number);
    void SetVarValue(int position, float value);
    void SetVarValDef(int position, bool defined);
    void SetLimLow(int position, float value);
    void SetLimHih(int position, float value);
    void SetLimLowDef(int position, bool defined);
    void SetLimHihDef(int position, bool defined);

private:
    CVarType* At(int position, std::string_view diagnostic);
    bool ValidNumber(int number) const { return number >= 0 && number <= m_maxNumber; }
    void ReportBadAdd(int number) const;
    void Report(const std::string& text) const;

    std::vector<CVarType> m_records;
    int m_capacity;
    int m_maxNumber;
    ModelDiagnostics* m_diagnostics = nullptr;
};

}  // namespace lumarik
