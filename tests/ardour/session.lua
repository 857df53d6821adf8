-- A stereo track of noise through Orvane Pro's "Auto-Wah" with its first
-- parameter at 0.25, bounced for three seconds; then the session is saved,
-- closed and loaded again, and the plug-in's state read back.
local dir = os.getenv("ORVANE_ARDOUR_SESSION")
local rate = 48000

AudioEngine:set_backend("None (Dummy)", "", "")
assert(create_session(dir, "orvane", rate), "cannot create the session")
ARDOUR.LuaAPI.list_plugins()

local track = Session:new_audio_track(2, 2, nil, 1, "Orvane", ARDOUR.PresentationInfo.max_order,
                                      ARDOUR.TrackMode.Normal, true):front()
local noise = ARDOUR.LuaAPI.new_plugin(Session, "ACE Noise", ARDOUR.PluginType.Lua, "")
assert(not noise:isnil(), "no noise generator")
track:add_processor_by_index(noise, 0, nil, true)
local orvane = ARDOUR.LuaAPI.new_plugin(Session, "Orvane Pro", ARDOUR.PluginType.LXVST, "")
assert(not orvane:isnil(), "Ardour cannot load Orvane Pro")
track:add_processor_by_index(orvane, 1, nil, true)

local plugin = orvane:to_insert():plugin(0)
local program = plugin:preset_by_label("Auto-Wah")
assert(program and plugin:load_preset(program), "cannot select the program")
ARDOUR.LuaAPI.set_processor_param(orvane, 0, 0.25)
print("LOADED", plugin:name(), plugin:parameter_label(0), ARDOUR.LuaAPI.get_processor_param(orvane, 0))

-- Bounced rather than exported: Ardour's export now and then corrupts its own
-- heap when the machine is busy, whatever plug-in the track holds.
local region = track:bounce_range(0, 3 * rate, ARDOUR.InterThreadInfo(), track:main_outs(), false, "orvane")
assert(not region:isnil(), "cannot bounce the track")
for channel = 0, 1 do
  print("RENDERED", region:source(channel):to_filesource():path())
end

Session:save_state("", false, false, false, false, false)
close_session()

assert(load_session(dir, "orvane"), "cannot load the saved session")
local restored = Session:route_by_name("Orvane"):nth_plugin(1)
print("RESTORED", restored:display_name(), restored:to_insert():plugin(0):parameter_label(0),
      ARDOUR.LuaAPI.get_processor_param(restored, 0))
close_session()
