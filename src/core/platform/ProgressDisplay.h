#pragma once

#include <string>

namespace lumo {

// What a progress display shows, one line each.
struct ProgressText {
    std::string item;   // which item of how many is being worked on
    std::string file;   // the file at hand, a full path
    std::string copied; // how much has been done so far
};

// A front-end's display of a long-running command (a build copying files). It holds no
// timing or wording of its own: it is told when to appear, what to show and when to go.
class IProgressDisplay {
public:
    virtual ~IProgressDisplay() = default;

    virtual void open() = 0;
    // fraction runs from 0 to 1.
    virtual void update(const ProgressText& text, double fraction) = 0;
    virtual void close() = 0;
    // Called at every step of the command, shown or not: the front-end repaints and takes
    // the events that arrive meanwhile (it decides which may wait until the command ends).
    virtual void processEvents() = 0;
};

} // namespace lumo
