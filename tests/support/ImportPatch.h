// Stands between a loaded module and one function it imports, by rewriting
// the module's import address table for the lifetime of the patch. Tests use
// it where a branch depends on something this display cannot show (a
// 16-colour screen) or to count what a module takes and gives back.
#pragma once

#include <windows.h>

class ImportPatch {
public:
    // Redirects `module`'s import of `function` from `dll` to `replacement`.
    // ok() is false when the module does not import it.
    ImportPatch(HMODULE module, const char* dll, const char* function, void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool ok() const { return slot_ != nullptr; }
    // The function the module imported before the patch.
    void* original() const { return original_; }
    template <typename F> F original() const { return reinterpret_cast<F>(original_); }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
