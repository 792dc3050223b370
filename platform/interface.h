#pragma once

namespace quarrow {

/// Base of the interfaces that are used through references (clocks, log sinks): they are not
/// values, so neither they nor anything derived from them can be copied or assigned.
class Interface {
public:
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;
    virtual ~Interface() = default;

protected:
    Interface() = default;
};

} // namespace quarrow
