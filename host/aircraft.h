// The small simulated aircraft behind the panel: what the key events the gauges send do to
// the host's token variables, its panel windows, its view and its radios' station audio, so
// that a click visibly does something on the next frame. host/README.md ("The simulated
// aircraft") lists the effects.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "common/gauge_host.h"

namespace host {

// The token variables the aircraft works on, as the host keeps them.
struct AircraftVariables {
    std::function<double(UINT32)> read;
    std::function<void(UINT32, double)> write;
    std::function<void(const std::string&)> log;  // an effect worth a line in the event log
};

enum class Receiver { nav1, nav2, adf };

class Aircraft {
public:
    explicit Aircraft(AircraftVariables variables);

    // The variables a fresh panel starts from (a powered aircraft, radios in their bands).
    void set_defaults();
    // A key event; events without an effect change nothing.
    void key_event(UINT32 event_id, UINT32 value);
    // Moves what moves over time (bomb-bay doors, wings).
    void advance(double seconds);

    // Panel windows by ident (0 is the main panel, shown; the others start hidden). The
    // eleven named windows exist from the start; others are added by the panel.
    void add_panel_window(SINT32 ident, bool shown = false);
    void toggle_panel_window(SINT32 ident);
    void show_panel_window(SINT32 ident, bool shown);
    bool panel_window_shown(SINT32 ident) const;

    int view() const { return view_; }
    // The ATC, kneeboard and map windows.
    bool window_shown(const std::string& name) const;
    // Whether the station a receiver is tuned to is heard.
    bool station_audio(Receiver receiver) const;

    static constexpr int VIEW_COUNT = 4;

private:
    struct Motion {
        double target;
        double per_second;
    };
    void set(UINT32 id, double value, bool bcd = false);  // bcd: logged in hexadecimal
    void move(UINT32 id, double target, double seconds);

    AircraftVariables vars_;
    std::map<SINT32, bool> panel_windows_;
    std::map<std::string, bool> windows_;
    std::map<Receiver, bool> audio_;
    std::map<UINT32, Motion> motions_;
    int view_ = 0;
};

}  // namespace host
