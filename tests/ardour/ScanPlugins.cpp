// Preloaded into Ardour's headless session tool, which never runs plug-in
// discovery: the first list_plugins() call from the session script first has
// Ardour's plug-in manager read the caches that ardour-vst-scanner wrote.
// Ardour's C++ names are used in their linker form, so no Ardour headers are needed.

#include <dlfcn.h>

extern "C" {
void* _ZN6ARDOUR13PluginManager8instanceEv();
void _ZN6ARDOUR13PluginManager7refreshEb(void* manager, bool cacheOnly);

// ARDOUR::LuaAPI::list_plugins(): returns a list through the caller's result pointer.
void* _ZN6ARDOUR6LuaAPI12list_pluginsEv(void* result)
{
    static bool refreshed = false;
    if (!refreshed) {
        refreshed = true;
        _ZN6ARDOUR13PluginManager7refreshEb(_ZN6ARDOUR13PluginManager8instanceEv(), true);
    }
    using ListPlugins = void* (*)(void*);
    const auto listPlugins = reinterpret_cast<ListPlugins>(dlsym(RTLD_NEXT, "_ZN6ARDOUR6LuaAPI12list_pluginsEv"));
    return listPlugins(result);
}
}
