// Loading the test modules for the length of a test, and putting the
// framework's resource settings back afterwards.
#pragma once

#include <afxdllx.h>

extern const wchar_t kExtensionA[];   // run-time classes, strings 7001 7002, RCDATA 300
extern const wchar_t kExtensionB[];   // string 7001
extern const wchar_t kLanguage[];     // strings 7001 7003, RCDATA 300
extern const wchar_t kSystem[];       // strings 7001 7003 7004

// A module loaded with LoadLibrary and freed at the end of the scope (or at
// unload()). A DLL that refuses to load leaves it empty, without a dialog.
class LoadedModule {
public:
    explicit LoadedModule(const wchar_t* name);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    HMODULE handle() const { return module_; }
    bool loaded() const { return module_ != nullptr; }
    void unload();

    // An export of the module, null when there is none.
    template <typename F> F function(const char* name) const
    {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// Restores the current resource module and the application's language
// module when the scope ends.
class ResourceSettingsGuard {
public:
    ResourceSettingsGuard();
    ~ResourceSettingsGuard();
    ResourceSettingsGuard(const ResourceSettingsGuard&) = delete;
    ResourceSettingsGuard& operator=(const ResourceSettingsGuard&) = delete;

private:
    HINSTANCE resource_;
    HINSTANCE language_;
};

// The module that holds `object`, or null.
HMODULE moduleOf(const void* object);
