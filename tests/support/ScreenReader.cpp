#include "ScreenReader.h"

#include <oleacc.h>

#include <algorithm>
#include <sstream>

namespace {

struct Work {
    const std::function<void()>* work;
};

DWORD WINAPI runInApartment(void* data)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    (*static_cast<Work*>(data)->work)();
    CoUninitialize();
    return 0;
}

struct Keeper {
    HANDLE ready;
    HANDLE leave;
};

DWORD WINAPI keepApartment(void* data)
{
    const Keeper keeper = *static_cast<Keeper*>(data);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    SetEvent(keeper.ready);
    WaitForSingleObject(keeper.leave, INFINITE);
    CoUninitialize();
    return 0;
}

VARIANT self()
{
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

long readNumber(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object,
                std::vector<HRESULT>& answers)
{
    VARIANT value;
    VariantInit(&value);
    answers.push_back((object->*get)(self(), &value));
    const long number = value.vt == VT_I4 ? value.lVal : 0;
    VariantClear(&value);
    return number;
}

std::wstring readText(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible* object,
                      std::vector<HRESULT>& answers)
{
    BSTR value = nullptr;
    answers.push_back((object->*get)(self(), &value));
    std::wstring text = value ? value : L"";
    SysFreeString(value);
    return text;
}

AccessibleView readObject(IAccessible* object)
{
    AccessibleView view;
    view.found = S_OK;
    view.role = readNumber(&IAccessible::get_accRole, object, view.answers);
    view.state = readNumber(&IAccessible::get_accState, object, view.answers);
    view.name = readText(&IAccessible::get_accName, object, view.answers);
    view.value = readText(&IAccessible::get_accValue, object, view.answers);
    view.defaultAction = readText(&IAccessible::get_accDefaultAction, object, view.answers);
    return view;
}

HRESULT findObject(HWND window, IAccessible** object)
{
    *object = nullptr;
    const HRESULT result =
        AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(object));
    return SUCCEEDED(result) && !*object ? E_FAIL : result;
}

std::wstring programFolder()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// Runs accessible_reader.exe on the window and takes what it writes.
bool runReader(HWND window, std::wstring& told)
{
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE output = nullptr, input = nullptr;
    if (!CreatePipe(&output, &input, &inherited, 0))
        return false;
    SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
    std::wstring command = L"\"" + programFolder() + L"accessible_reader.exe\" " +
                           std::to_wstring(reinterpret_cast<UINT_PTR>(window));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = input;
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process) != FALSE;
    CloseHandle(input);
    std::string bytes;
    char buffer[512];
    DWORD read = 0;
    while (started && ReadFile(output, buffer, sizeof buffer, &read, nullptr) && read)
        bytes.append(buffer, read);
    CloseHandle(output);
    if (!started)
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    told.resize(bytes.size());
    told.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                        &told[0], static_cast<int>(told.size()))));
    return true;
}

} // namespace

bool AccessibleView::allAnswered(HRESULT result) const
{
    return !answers.empty() &&
           std::all_of(answers.begin(), answers.end(), [result](HRESULT answer) { return answer == result; });
}

ScreenReader::ScreenReader()
{
    Keeper keeper = {CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    leave_ = keeper.leave;
    apartment_ = CreateThread(nullptr, 0, keepApartment, &keeper, 0, nullptr);
    if (apartment_)
        WaitForSingleObject(keeper.ready, INFINITE);
    CloseHandle(keeper.ready);
}

ScreenReader::~ScreenReader()
{
    releaseHeld();
    SetEvent(leave_);
    if (apartment_) {
        WaitForSingleObject(apartment_, INFINITE);
        CloseHandle(apartment_);
    }
    CloseHandle(leave_);
}

void ScreenReader::runAside(const std::function<void()>& work)
{
    Work data = {&work};
    HANDLE thread = CreateThread(nullptr, 0, runInApartment, &data, 0, nullptr);
    if (!thread)
        return;
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    CloseHandle(thread);
}

AccessibleView readAccessible(HWND window)
{
    AccessibleView view;
    IAccessible* object = nullptr;
    const HRESULT found = findObject(window, &object);
    if (SUCCEEDED(found)) {
        view = readObject(object);
        object->Release();
    }
    view.found = found;
    return view;
}

AccessibleView ScreenReader::read(HWND window)
{
    AccessibleView view;
    runAside([&] { view = readAccessible(window); });
    return view;
}

AccessibleView ScreenReader::readFromAnotherProcess(HWND window)
{
    AccessibleView view;
    runAside([&] {
        std::wstring told;
        if (!runReader(window, told))
            return;
        std::wistringstream lines(told);
        std::wstring numbers;
        std::getline(lines, numbers);
        unsigned long found = 0, role = 0, state = 0;
        if (std::wistringstream(numbers) >> std::hex >> found >> role >> state) {
            view.found = static_cast<HRESULT>(found);
            view.role = static_cast<long>(role);
            view.state = static_cast<long>(state);
        }
        for (std::wstring* text : {&view.name, &view.value, &view.defaultAction})
            std::getline(lines, *text);
    });
    return view;
}

HRESULT ScreenReader::doDefaultAction(HWND window)
{
    HRESULT result = E_FAIL;
    runAside([&] {
        IAccessible* object = nullptr;
        result = findObject(window, &object);
        if (SUCCEEDED(result)) {
            result = object->accDoDefaultAction(self());
            object->Release();
        }
    });
    return result;
}

bool ScreenReader::hold(HWND window)
{
    IAccessible* object = nullptr;
    runAside([&] { findObject(window, &object); });
    if (object)
        held_.push_back(object);
    return object != nullptr;
}

std::vector<AccessibleView> ScreenReader::readHeld()
{
    std::vector<AccessibleView> views;
    runAside([&] {
        for (IAccessible* object : held_)
            views.push_back(readObject(object));
    });
    return views;
}

void ScreenReader::releaseHeld()
{
    if (held_.empty())
        return;
    runAside([&] {
        for (IAccessible* object : held_)
            object->Release();
    });
    held_.clear();
}
