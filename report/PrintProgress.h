#pragma once

class QWidget;

namespace lumenta::report {

// What the user sees while a print job is produced: the job goes through a
// few phases, and the user may cancel between them.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    virtual void start(QWidget* parent, int phases) = 0;
    // The job has reached this phase (1..phases); false when the user has
    // cancelled.
    virtual bool reach(int phase) = 0;
    virtual void finish() = 0;
};

} // namespace lumenta::report
