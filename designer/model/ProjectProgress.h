#pragma once

#include <functional>

// Progress of a long project job (save, open, image build), reported the way
// the main window's progress bar takes it: Start with the total, Step by one
// or more, End when done. End is also reported when the job fails.
class ProjectProgress
{
public:
    enum class Action
    {
        Start = 0, // value: the total
        Set = 1,   // value: the position
        Step = 2,  // value: added to the position
        End = 3,
    };
    using Callback = std::function<void(Action action, int value)>;

    ProjectProgress() = default;
    explicit ProjectProgress(Callback callback) : callback_(std::move(callback)) {}

    void start(int total) const { report(Action::Start, total); }
    void step(int by = 1) const { report(Action::Step, by); }
    void end() const { report(Action::End, 0); }

    // Reports End when it goes out of scope, whatever way the job left.
    class EndGuard
    {
    public:
        explicit EndGuard(const ProjectProgress& progress) : progress_(progress) {}
        ~EndGuard() { progress_.end(); }
        EndGuard(const EndGuard&) = delete;
        EndGuard& operator=(const EndGuard&) = delete;

    private:
        const ProjectProgress& progress_;
    };

private:
    void report(Action action, int value) const
    {
        if (callback_)
            callback_(action, value);
    }

    Callback callback_;
};
