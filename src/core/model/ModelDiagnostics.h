// The channel through which the model reports internal faults (a collection accessor used with
// a bad position or key). The core shows nothing itself; the window connects this to a plain
// message box.
#pragma once

#include <string>

namespace lumarik {

class ModelDiagnostics {
public:
    virtual ~ModelDiagnostics() = default;
    virtual void Report(const std::string& text) = 0;
};

}  // namespace lumarik
