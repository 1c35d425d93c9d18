// The panel host: our stand-in for the simulator's panel system. It loads gauge modules,
// places gauge instances, runs their lifecycle frame by frame, keeps token variables and
// host failures, routes clicks and logs every event the gauges send.
#pragma once

#include <map>
#include <unordered_map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/gauge_host.h"
#include "host/aircraft.h"
#include "host/bitmap.h"
#include "host/module.h"
#include "host/mouse_routing.h"

namespace host {

struct Event {
    std::string type;  // "key", "window", "calculator", "aircraft", "hover", and the
                       // platform's: "library", "sound", "launch", "message", "folder", "file"
    UINT32 id = 0;     // key event id, window ident, the resource id of a sound played, or
                       // the message posted to a program's window
    UINT32 value = 0;  // key event value; a posted message's first parameter
    std::string text;  // calculator code; what a platform event says; the window posted to
    UINT32 second_value = 0;  // a posted message's second parameter
};

// What the last frame made of one element.
struct ElementState {
    ELEMENT_HEADER* element = nullptr;  // the record the host drives
    int depth = 0;                      // nesting in the chain (the background is 0)
    double value = 0;                   // needle, icon and string value; x value otherwise
    double value_y = 0, value_rotation = 0;
    double angle = 0;                   // needle, degrees clockwise from twelve o'clock
    int picture = -1;                   // icon picture drawn, -1 for none
    std::string text;                   // string
    double offset_x = 0, offset_y = 0;  // slider and sprite pixels; moving-image fractions
    double rotation = 0;                // sprite, degrees anticlockwise
    bool hidden = false;                // the element's hidden bit after its callbacks
    UINT32 failure_action = FAIL_ACTION_NONE;
    std::vector<const Bitmap*> pictures;  // the element's bitmap(s), null where missing
};

class Host;

// What the host hangs on an older-format static image (its first host-owned word points
// here): the module finds the picture's pixel size in the words after the first.
struct HostImageRecord {
    const Bitmap* bitmap;
    PIXPOINT size;
};

class GaugeInstance {
public:
    const std::string& name() const { return name_; }
    GAUGEHDR* header() const { return header_; }
    Module& module() const { return *module_; }
    const std::vector<ElementState>& elements() const { return elements_; }
    std::vector<ElementState>& elements() { return elements_; }
    GaugeSize size() const { return size_; }
    // The mouse list clicks are routed to (null when none is active).
    const MOUSERECT* mouse_list() const { return active_mouse_; }
    bool uses_own_routines() const { return own_routines_; }
    bool older_format() const { return header_->gauge_header_version == GAUGE_HEADER_VERSION_OLD; }

private:
    friend class Host;
    GaugeInstance() = default;
    std::string name_;
    Module* module_ = nullptr;
    GAUGEHDR* source_ = nullptr;  // the module's own header
    bool own_routines_ = false;   // the header brings its own element-list routines
    GAUGEHDR* header_ = nullptr;  // the header driven: a per-instance copy, or the module's own
    ELEMENT_HEADER* root_ = nullptr;
    std::unique_ptr<GAUGEHDR> header_copy_;
    std::vector<std::unique_ptr<std::byte[]>> element_copies_;
    std::vector<std::unique_ptr<ELEMENT_HEADER*[]>> list_copies_;
    std::vector<std::unique_ptr<char[]>> text_buffers_;
    std::vector<MOUSERECT> mouse_copy_;
    std::unique_ptr<char[]> parameters_;
    std::vector<ElementState> elements_;
    std::vector<std::unique_ptr<HostImageRecord>> image_records_;
    const MOUSERECT* active_mouse_ = nullptr;  // the list clicks are routed to
    GaugeSize size_;
    bool installed_ = false;
};

class Host {
public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host whose services the modules are calling (one at a time).
    static Host& active();

    Module& load_module(const std::string& path);
    // Places a gauge and sets it up; throws std::runtime_error for an unknown gauge.
    GaugeInstance& place(Module& module, const std::string& gauge, std::optional<std::string> parameters = {});
    void kill(GaugeInstance& instance);
    void kill_all();

    // One frame: one tick of simulated time for every placed gauge.
    void frame();
    void service(GaugeInstance& instance, SINT32 service_id);
    // Routes a click at a gauge pixel; returns false when no area takes it.
    bool click(GaugeInstance& instance, int x, int y, MouseButton button);
    // Holds the button down at a gauge pixel for `seconds`, running the frames meanwhile. An
    // area whose mouse flags carry MOUSE_DOWN_REPEAT fires again while held: first after
    // REPEAT_DELAY_FRAMES, then every REPEAT_EVERY_FRAMES. Returns false when no area takes it.
    bool hold(GaugeInstance& instance, int x, int y, double seconds, MouseButton button);
    static constexpr int FRAMES_PER_SECOND = 18, REPEAT_DELAY_FRAMES = 9, REPEAT_EVERY_FRAMES = 2;
    // Logs what the help at a gauge pixel shows: the help id or the tooltip (its text with
    // its arguments, or its host help id).
    void hover(const GaugeInstance& instance, int x, int y);

    // Token variables: unknown ids read 0; variable 1 counts frames and 0x25C the seconds
    // they make, each until a value is set.
    double var(UINT32 id) const;
    void set_var(UINT32 id, double value);

    // Host failures. With an action the host forces it on every element that lists the key
    // (a way to preview each action); without one the element's own records decide.
    void fail(UINT32 key, std::optional<UINT32> forced_action = {});
    void repair(UINT32 key);

    void log(Event event) {
        if (keep_events_) events_.push_back(std::move(event));
    }
    // A running panel keeps no event log, which would grow with every frame's events; eval
    // and the tests keep it (the default).
    void keep_events(bool keep) { keep_events_ = keep; }
    // The simulated aircraft that answers the key events.
    Aircraft& aircraft() { return aircraft_; }
    // Without a sound device, the modules' device creation fails (sound stays silent).
    void set_sound_device_available(bool available);
    const std::vector<Event>& events() const { return events_; }
    std::string atc_id = "ZPH123";

    const std::vector<std::unique_ptr<GaugeInstance>>& instances() const { return instances_; }
    const Bitmap* bitmap(Module& module, SINT32 id);

    // The panel services the modules call.
    void element_list_install(ELEMENT_HEADER* root, PTRWORD resource_handle);
    void element_list_initialize(ELEMENT_HEADER* root);
    void element_list_update(ELEMENT_HEADER* root);
    void element_list_kill(ELEMENT_HEADER* root);
    void mouse_list_install(MOUSERECT* list, GAUGEHDR* gauge, PIXPOINT* size);
    void mouse_list_register(MOUSERECT* list, GAUGEHDR* gauge);
    void mouse_list_unregister(MOUSERECT* list, GAUGEHDR* gauge);
    void trigger_key_event(UINT32 event_id, UINT32 value);
    void panel_window_toggle(UINT32 ident);
    const char* execute_calculator_code(const char* code);

private:
    GaugeInstance* instance_of(ELEMENT_HEADER* root);
    GaugeInstance* instance_of(GAUGEHDR* header);
    void copy_records(GaugeInstance& inst);
    ELEMENT_HEADER* copy_element(GaugeInstance& inst, ELEMENT_HEADER* original, ELEMENT_HEADER* previous);
    void collect_elements(GaugeInstance& inst);
    void install_elements(GaugeInstance& inst);
    void update_elements(GaugeInstance& inst);
    void update_element(GaugeInstance& inst, ElementState& st);
    UINT32 failure_action(const ELEMENT_HEADER* element) const;
    void fire(GaugeInstance& inst, const ClickTarget& target, int x, int y, MouseButton button);

    PANEL_SERVICES services_{};
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::unique_ptr<GaugeInstance>> instances_;
    std::unordered_map<UINT32, double> vars_;
    std::unordered_map<UINT32, std::optional<UINT32>> failures_;
    std::map<std::pair<const Module*, SINT32>, std::optional<Bitmap>> bitmaps_;
    std::vector<Event> events_;
    std::string calculator_answer_;
    bool keep_events_ = true;
    long long ticks_ = 0;
    Aircraft aircraft_;
    char main_window_ = 0;  // its address is the main window's handle
};

}  // namespace host
