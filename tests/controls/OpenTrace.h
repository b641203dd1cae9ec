// Link targets for tests: a program of the tests that leaves a trace when the
// shell opens it, and a file that does not exist.
#pragma once

#include <string>

class OpenTrace {
public:
    // A fresh, empty trace; the programs the shell starts inherit its name.
    OpenTrace();
    ~OpenTrace();
    OpenTrace(const OpenTrace&) = delete;
    OpenTrace& operator=(const OpenTrace&) = delete;

    // The full path of the trace program, beside the test program.
    static std::wstring target();
    // A full path in a folder that does not exist.
    static std::wstring missingTarget();

    // Runs of the trace program so far.
    int runs() const;
    // Pumps the thread's messages until the program has run `count` times,
    // for at most half a minute; the runs seen then.
    int waitForRuns(int count) const;

private:
    std::wstring path_;
};

// Dispatches the calling thread's waiting messages, pre-translated as a
// framework host does.
void pumpMessages();
