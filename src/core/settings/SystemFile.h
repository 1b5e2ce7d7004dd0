// A system kept in a file of its own ("*.lumarik"): a version key, then the settings-file
// entries that define the system, in the settings file's own forms, so that one code path
// writes and reads a system wherever it is kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ini/INICode.h"
#include "core/ini/IniDocument.h"

namespace lumarik {

constexpr int kSystemFileVersion = 1;

enum class SystemFileStatus {
    kOk,
    kForeign,  // no version key: some other file
    kNewer,    // written by a later version, whose keys this one may misread
    kDamaged,  // empty, truncated or edited out of shape
    kRefused,  // in shape, but its choice of parameters is one the selection rules refuse
};

// The version section first, then the entries in their order.
std::string SystemFileText(const std::vector<IniEntry>& entries);

// Parses the bytes into `document` and judges the version key; kOk says only that the version
// is one this program reads (the entries are checked with MatchesEntries).
SystemFileStatus ParseSystemFile(std::string_view bytes, IniDocument& document);

// True when `document` holds every entry of `expected` in the same form: as many "|" fields,
// each a Boolean word where `expected` has "True" or "False", empty where it is empty, and a
// number everywhere else. Values themselves may differ (a value out of range is taken as the
// settings file takes it).
bool MatchesEntries(const IniDocument& document, const std::vector<IniEntry>& expected);

}  // namespace lumarik
