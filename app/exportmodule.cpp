#include "exportmodule.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

// Found by full path, never by name: a search by name would depend on who calls the loader
// (a sanitizer's interceptor has no run path of ours).
std::filesystem::path OwnFolder() {
#ifdef _WIN32
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(std::wstring(self, length)).parent_path();
#else
    std::error_code failed;
    return std::filesystem::read_symlink("/proc/self/exe", failed).parent_path();
#endif
}

} // namespace

ExportEntry LoadExportEntry(std::string& why) {
    const std::filesystem::path folder = OwnFolder();
    for (const std::filesystem::path& path :
         {folder / GS_EXPORT_MODULE,
          folder / ".." / "lib" / "gruppenstatistik" / GS_EXPORT_MODULE}) {
#ifdef _WIN32
        if (HMODULE module = LoadLibraryW(path.c_str()))
            if (FARPROC entry = GetProcAddress(module, kExportEntry))
                return reinterpret_cast<ExportEntry>(reinterpret_cast<void*>(entry));
        why = "Fehler " + std::to_string(GetLastError());
#else
        if (void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
            if (void* entry = dlsym(module, kExportEntry))
                return reinterpret_cast<ExportEntry>(entry);
        const char* error = dlerror();
        why = error ? error : "";
#endif
    }
    return nullptr;
}
