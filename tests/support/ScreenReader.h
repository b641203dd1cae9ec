// Plays assistive technology: from threads of its own, in the process's
// multithreaded apartment, it asks the system for a window's accessible
// object (AccessibleObjectFromWindow, so WM_GETOBJECT and the component
// model's marshalling) and reads or uses it, while the calling thread goes on
// handling its messages as a window's thread does. The calling thread is the
// one that owns the windows asked about.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct IAccessible;

// What a reader is told of a window's client area.
struct AccessibleView {
    HRESULT found = E_FAIL;   // getting the object; the rest is read only on success
    long role = 0;
    long state = 0;
    std::wstring name;
    std::wstring value;
    std::wstring defaultAction;
    // The answer of every call made: role, state, name, value, default action.
    std::vector<HRESULT> answers;

    bool hasState(long flags) const { return (state & flags) == flags; }
    // Whether every call made was answered with `result`.
    bool allAnswered(HRESULT result) const;
};

// What a reader on the calling thread, which must not be the window's, is
// told.
AccessibleView readAccessible(HWND window);

class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();   // lets go of what it holds
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    AccessibleView read(HWND window);
    // The same, told to accessible_reader.exe, a reader in a process of its
    // own beside the test program, as screen readers are.
    AccessibleView readFromAnotherProcess(HWND window);
    // The object's default action, done; the object's answer (or the
    // failure to get it).
    HRESULT doDefaultAction(HWND window);

    // Keeps the window's object, to read it again later, when the window
    // may be gone.
    bool hold(HWND window);
    // What the objects held tell now, in the order they were taken.
    std::vector<AccessibleView> readHeld();
    void releaseHeld();

private:
    // Runs `work` on a thread of the apartment and handles the calling
    // thread's messages until it has ended.
    void runAside(const std::function<void()>& work);

    HANDLE apartment_ = nullptr;   // thread that keeps the apartment up
    HANDLE leave_ = nullptr;
    std::vector<IAccessible*> held_;
};
