#include "host/host.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "host/help_text.h"
#include "host/needle_math.h"
#include "platform/linux/platform_control.h"
#include "platform/resource_table.h"

namespace host {

namespace {

Host* g_active = nullptr;

constexpr const char* MAIN_WINDOW_CLASSES[] = {"FS98MAIN", "MSCFSMAIN"};
constexpr UINT32 ELAPSED_SECONDS = 0x25C;

// The services table: plain functions that hand each call to the active host.
void GAUGE_API svc_query(ELEMENT_HEADER*) {}
void GAUGE_API svc_install(ELEMENT_HEADER* e, PTRWORD handle) { Host::active().element_list_install(e, handle); }
void GAUGE_API svc_initialize(ELEMENT_HEADER* e) { Host::active().element_list_initialize(e); }
void GAUGE_API svc_update(ELEMENT_HEADER* e) { Host::active().element_list_update(e); }
void GAUGE_API svc_generate(ELEMENT_HEADER*, UINT32) {}
void GAUGE_API svc_plot(ELEMENT_HEADER*) {}
void GAUGE_API svc_kill(ELEMENT_HEADER* e) { Host::active().element_list_kill(e); }
void GAUGE_API svc_mouse_install(MOUSERECT* r, GAUGEHDR* g, PIXPOINT* size) { Host::active().mouse_list_install(r, g, size); }
void GAUGE_API svc_mouse_register(MOUSERECT* r, GAUGEHDR* g) { Host::active().mouse_list_register(r, g); }
void GAUGE_API svc_mouse_unregister(MOUSERECT* r, GAUGEHDR* g) { Host::active().mouse_list_unregister(r, g); }
BOOL32 GAUGE_API svc_window_toggle(UINT32 ident) {
    Host::active().panel_window_toggle(ident);
    return 1;
}
BOOL32 GAUGE_API svc_trigger_key_event(UINT32 id, UINT32 value) {
    Host::active().trigger_key_event(id, value);
    return 1;
}
void GAUGE_API svc_lookup_var(MODULE_VAR* var) {
    if (var) var->var_value = Host::active().var(var->id);
}
BOOL32 GAUGE_API svc_calculator(const char* code, FLOAT64* fvalue, SINT32* ivalue, const char** svalue) {
    const char* answer = Host::active().execute_calculator_code(code);
    if (fvalue) *fvalue = 0;
    if (ivalue) *ivalue = 0;
    if (svalue) *svalue = answer;
    return 1;
}

std::size_t record_size(UINT32 kind) {
    switch (kind) {
        case ELEMENT_TYPE_STATIC_IMAGE: return sizeof(ELEMENT_STATIC_IMAGE);
        case ELEMENT_TYPE_NEEDLE: return sizeof(ELEMENT_NEEDLE);
        case ELEMENT_TYPE_STRING: return sizeof(ELEMENT_STRING);
        case ELEMENT_TYPE_SLIDER: return sizeof(ELEMENT_SLIDER);
        case ELEMENT_TYPE_ICON: return sizeof(ELEMENT_ICON);
        case ELEMENT_TYPE_MOVING_IMAGE: return sizeof(ELEMENT_MOVING_IMAGE);
        case ELEMENT_TYPE_SPRITE: return sizeof(ELEMENT_SPRITE);
        default: throw std::runtime_error("unknown element kind " + std::to_string(kind));
    }
}

int picture_count(const ELEMENT_HEADER* e) {
    if (e->element_type == ELEMENT_TYPE_STRING || e->resource_id < 0) return 0;
    if (e->element_type == ELEMENT_TYPE_ICON) return static_cast<int>(reinterpret_cast<const ELEMENT_ICON*>(e)->picture_count);
    return 1;
}

// Non-finite values move nothing.
double finite_or_zero(double v) { return std::isfinite(v) ? v : 0.0; }

void refresh(MODULE_VAR& var, const Host& host) {
    if (var.id == 0) return;
    var.var_old = var.var_value;
    var.var_value = host.var(var.id);
}

double axis_fraction(double value, double first, double second) {
    if (first == second || !std::isfinite(value)) return 0.0;
    const double f = (value - first) / (second - first);
    return f < 0 ? 0.0 : f > 1 ? 1.0 : f;
}

}  // namespace

namespace {
bool has_own_routines(const GAUGEHDR* h) {
    return h->query_routine || h->install_routine || h->initialize_routine || h->update_routine ||
           h->generate_routine || h->draw_routine || h->kill_routine;
}
}  // namespace

Host::Host()
    : aircraft_({[this](UINT32 id) { return var(id); }, [this](UINT32 id, double value) { set_var(id, value); },
                 [this](const std::string& effect) { log({"aircraft", 0, 0, effect}); }}) {
    if (g_active) throw std::logic_error("only one panel host at a time");
    g_active = this;
    services_.element_list_query = svc_query;
    services_.element_list_install = svc_install;
    services_.element_list_initialize = svc_initialize;
    services_.element_list_update = svc_update;
    services_.element_list_generate = svc_generate;
    services_.element_list_plot = svc_plot;
    services_.element_list_kill = svc_kill;
    services_.mouse_list_install = svc_mouse_install;
    services_.mouse_list_register = svc_mouse_register;
    services_.mouse_list_unregister = svc_mouse_unregister;
    services_.panel_window_toggle = svc_window_toggle;
    services_.trigger_key_event = svc_trigger_key_event;
    services_.lookup_var = svc_lookup_var;
    services_.execute_calculator_code = svc_calculator;
    platform::control::set_event_sink([this](const platform::control::Event& e) { log({e.type, e.id, e.value, e.text, e.second_value}); });
    platform::control::reset_sound();
    // The simulator's generations name their main window's class differently; the modules
    // find it by either.
    for (const char* window_class : MAIN_WINDOW_CLASSES)
        platform::control::register_window(window_class, "", &main_window_);
    aircraft_.set_defaults();
}

Host::~Host() {
    kill_all();
    for (auto& m : modules_) m->import_table().services = nullptr;
    platform::control::set_event_sink({});
    for (const char* window_class : MAIN_WINDOW_CLASSES) platform::control::register_window(window_class, "", nullptr);
    platform::control::reset_sound();
    instances_.clear();
    modules_.clear();
    g_active = nullptr;
}

Host& Host::active() {
    if (!g_active) throw std::logic_error("no panel host");
    return *g_active;
}

Module& Host::load_module(const std::string& path) {
    modules_.push_back(Module::load(path));
    Module& m = *modules_.back();
    m.import_table().services = &services_;
    return m;
}

// ---- variables, failures, events ------------------------------------------------------

double Host::var(UINT32 id) const {
    if (auto it = vars_.find(id); it != vars_.end()) return it->second;
    if (id == 1) return static_cast<double>(ticks_);
    if (id == ELAPSED_SECONDS) return static_cast<double>(ticks_) / FRAMES_PER_SECOND;
    return 0.0;
}

void Host::set_var(UINT32 id, double value) { vars_[id] = value; }

void Host::fail(UINT32 key, std::optional<UINT32> forced_action) { failures_[key] = forced_action; }
void Host::repair(UINT32 key) { failures_.erase(key); }

UINT32 Host::failure_action(const ELEMENT_HEADER* element) const {
    UINT32 action = FAIL_ACTION_NONE;
    if (failures_.empty() || !element->failure_systems) return action;
    for (const FAILURE_RECORD* f = element->failure_systems; f->key != 0; ++f)
        if (auto it = failures_.find(f->key); it != failures_.end())
            action = std::max(action, it->second.value_or(f->action));
    return action;
}

void Host::trigger_key_event(UINT32 event_id, UINT32 value) {
    log({"key", event_id, value, {}});
    aircraft_.key_event(event_id, value);
}

void Host::panel_window_toggle(UINT32 ident) {
    log({"window", ident, 0, {}});
    aircraft_.toggle_panel_window(static_cast<SINT32>(ident));
}

void Host::set_sound_device_available(bool available) {
    platform::control::fail_sound_step(platform::control::SoundStep::device_create, !available);
}

const char* Host::execute_calculator_code(const char* code) {
    // Asked at every refresh (the registration plate): no copy of the expression unless it
    // is logged.
    const char* expression = code ? code : "";
    if (keep_events_) log({"calculator", 0, 0, expression});
    if (std::strcmp(expression, "(A:ATC ID,string)") == 0) calculator_answer_ = atc_id;
    else calculator_answer_.clear();
    return calculator_answer_.c_str();
}

// ---- placing and killing ----------------------------------------------------------------

GaugeInstance& Host::place(Module& module, const std::string& gauge, std::optional<std::string> parameters) {
    GAUGEHDR* source = module.find_gauge(gauge);
    if (!source) throw std::runtime_error("no gauge named '" + gauge + "' in " + module.path());
    auto owned = std::unique_ptr<GaugeInstance>(new GaugeInstance);
    GaugeInstance& inst = *owned;
    inst.name_ = gauge;
    inst.module_ = &module;
    inst.source_ = source;
    inst.own_routines_ = has_own_routines(source);
    if (parameters) {
        inst.parameters_ = std::make_unique<char[]>(parameters->size() + 1);
        std::memcpy(inst.parameters_.get(), parameters->c_str(), parameters->size() + 1);
    }
    instances_.push_back(std::move(owned));

    if (inst.uses_own_routines()) {
        // The gauge drives its own element list through the services; its records are the
        // module's own, shared by every instance.
        inst.header_ = source;
        inst.root_ = source->elements_list ? source->elements_list[0] : nullptr;
        if (!inst.older_format()) inst.header_->parameters = inst.parameters_.get();
        if (source->query_routine) source->query_routine();
        service(inst, PANEL_SERVICE_PRE_INSTALL);
        if (source->install_routine) source->install_routine(module.resource_handle());
        // A current-version header's mouse list is the host's to activate; the older format
        // activates its own through the mouse-list services.
        if (!inst.older_format()) inst.active_mouse_ = source->mouse_rect;
        service(inst, PANEL_SERVICE_POST_INSTALL);
        if (source->initialize_routine) source->initialize_routine();
    } else {
        copy_records(inst);
        service(inst, PANEL_SERVICE_PRE_INSTALL);
        install_elements(inst);
        inst.active_mouse_ = inst.header_->mouse_rect;
        service(inst, PANEL_SERVICE_POST_INSTALL);
    }
    return inst;
}

void Host::kill(GaugeInstance& inst) {
    if (!inst.header_) return;
    service(inst, PANEL_SERVICE_PRE_KILL);
    if (inst.uses_own_routines() && inst.source_->kill_routine) inst.source_->kill_routine();
    if (inst.header_ == inst.source_ && !inst.older_format()) inst.header_->parameters = nullptr;
    inst.installed_ = false;
    inst.header_ = nullptr;
    for (auto it = instances_.begin(); it != instances_.end(); ++it)
        if (it->get() == &inst) {
            instances_.erase(it);
            break;
        }
}

void Host::kill_all() {
    while (!instances_.empty()) kill(*instances_.back());
}

void Host::service(GaugeInstance& inst, SINT32 service_id) {
    if (inst.header_ && inst.header_->gauge_callback)
        inst.header_->gauge_callback(inst.header_, service_id,
                                     service_id == PANEL_SERVICE_PRE_INSTALL ? inst.module_->resource_handle() : 0);
}

// Per-instance records: the header, the element chain (next lists and back-pointers pointing
// at the copies) and the mouse list, so that what a gauge writes into its records belongs to
// that placed gauge alone. Failure lists, tables and callbacks stay shared.
void Host::copy_records(GaugeInstance& inst) {
    inst.header_copy_ = std::make_unique<GAUGEHDR>(*inst.source_);
    inst.header_ = inst.header_copy_.get();
    inst.header_->parameters = inst.parameters_.get();
    inst.header_->user_data = 0;
    if (const MOUSERECT* m = inst.source_->mouse_rect) {
        do inst.mouse_copy_.push_back(*m);
        while ((m++)->rect_type != MOUSE_RECT_EOL);
        inst.header_->mouse_rect = inst.mouse_copy_.data();
    }
    if (ELEMENT_HEADER** list = inst.source_->elements_list; list && list[0]) {
        auto copy = std::make_unique<ELEMENT_HEADER*[]>(2);
        copy[0] = copy_element(inst, list[0], nullptr);
        inst.header_->elements_list = copy.get();
        inst.list_copies_.push_back(std::move(copy));
    }
    inst.root_ = inst.header_->elements_list ? inst.header_->elements_list[0] : nullptr;
}

ELEMENT_HEADER* Host::copy_element(GaugeInstance& inst, ELEMENT_HEADER* original, ELEMENT_HEADER* previous) {
    const std::size_t size = record_size(original->element_type);
    auto storage = std::make_unique<std::byte[]>(size);
    std::memcpy(storage.get(), original, size);
    auto* e = reinterpret_cast<ELEMENT_HEADER*>(storage.get());
    inst.element_copies_.push_back(std::move(storage));
    e->gauge_header = inst.header_;
    e->previous_element = previous;
    if (original->next_element) {
        std::size_t n = 0;
        while (original->next_element[n]) ++n;
        auto list = std::make_unique<ELEMENT_HEADER*[]>(n + 1);
        for (std::size_t i = 0; i < n; ++i) list[i] = copy_element(inst, original->next_element[i], e);
        list[n] = nullptr;
        e->next_element = list.get();
        inst.list_copies_.push_back(std::move(list));
    }
    return e;
}

// ---- the element list --------------------------------------------------------------------

// The elements in chain order: each element, then the lists that follow it, depth first.
void Host::collect_elements(GaugeInstance& inst) {
    inst.elements_.clear();
    auto visit = [&](auto& self, ELEMENT_HEADER* e, int depth) -> void {
        ElementState st;
        st.element = e;
        st.depth = depth;
        inst.elements_.push_back(st);
        if (e->next_element)
            for (ELEMENT_HEADER** n = e->next_element; *n; ++n) self(self, *n, depth + 1);
    };
    if (inst.root_) visit(visit, inst.root_, 0);
}

const Bitmap* Host::bitmap(Module& module, SINT32 id) {
    auto key = std::make_pair(static_cast<const Module*>(&module), id);
    auto it = bitmaps_.find(key);
    if (it == bitmaps_.end()) {
        std::optional<Bitmap> decoded;
        if (auto res = resource_table::find(reinterpret_cast<const void*>(module.resource_handle()),
                                            static_cast<std::uint32_t>(id), "BITMAP"))
            decoded = decode_dib(res.data, res.size);
        it = bitmaps_.emplace(key, std::move(decoded)).first;
    }
    return it->second ? &*it->second : nullptr;
}

// Attaches bitmaps, computes the table angles and gives each string its text buffer.
void Host::install_elements(GaugeInstance& inst) {
    collect_elements(inst);
    for (ElementState& st : inst.elements_) {
        ELEMENT_HEADER* e = st.element;
        for (int i = 0; i < picture_count(e); ++i) st.pictures.push_back(bitmap(*inst.module_, e->resource_id + i));
        if (e->element_type == ELEMENT_TYPE_STATIC_IMAGE && inst.older_format()) {
            // The older format's install routine reads the picture's size through this
            // record; without a picture the pointer stays null.
            auto* image = reinterpret_cast<ELEMENT_STATIC_IMAGE*>(e);
            image->host_image = 0;
            if (const Bitmap* b = st.pictures.empty() ? nullptr : st.pictures.front()) {
                inst.image_records_.push_back(std::make_unique<HostImageRecord>(HostImageRecord{b, {b->width, b->height}}));
                image->host_image = reinterpret_cast<PTRWORD>(inst.image_records_.back().get());
            }
        } else if (e->element_type == ELEMENT_TYPE_NEEDLE) {
            auto* n = reinterpret_cast<ELEMENT_NEEDLE*>(e);
            if (n->nonlinearity) compute_table_angles(n->nonlinearity, n->nonlinearity_count, e->position);
        } else if (e->element_type == ELEMENT_TYPE_STRING) {
            auto* s = reinterpret_cast<ELEMENT_STRING*>(e);
            auto buffer = std::make_unique<char[]>(s->char_count + 1);  // zeroed
            s->string = buffer.get();
            inst.text_buffers_.push_back(std::move(buffer));
        }
    }
    if (!inst.elements_.empty() && !inst.elements_.front().pictures.empty())
        if (const Bitmap* bg = inst.elements_.front().pictures.front()) inst.size_ = {bg->width, bg->height};
    inst.installed_ = true;
}

void Host::update_elements(GaugeInstance& inst) {
    for (ElementState& st : inst.elements_) update_element(inst, st);
}

void Host::update_element(GaugeInstance& inst, ElementState& st) {
    ELEMENT_HEADER* e = st.element;
    st.failure_action = failure_action(e);
    if (st.failure_action == FAIL_ACTION_FREEZE) return;
    const bool zero = st.failure_action == FAIL_ACTION_ZERO;
    auto source = [&](MODULE_VAR& var) {
        refresh(var, *this);
        if (zero && var.id != 0) var.var_value = 0;
    };
    auto axis = [&](double v) { return zero ? 0.0 : finite_or_zero(v); };

    switch (e->element_type) {
        case ELEMENT_TYPE_NEEDLE: {
            auto* n = reinterpret_cast<ELEMENT_NEEDLE*>(e);
            source(n->source_var);
            double v = n->source_var.var_value;
            if (n->update_cb) v = inst.older_format() ? n->update_var_cb(&n->source_var) : n->update_cb(e);
            st.value = axis(v);
            st.angle = needle_angle(n->nonlinearity, n->nonlinearity ? n->nonlinearity_count : 0, st.value);
            break;
        }
        case ELEMENT_TYPE_STRING: {
            auto* s = reinterpret_cast<ELEMENT_STRING*>(e);
            for (MODULE_VAR& var : s->source_var) source(var);
            st.value = s->update_cb ? s->update_cb(e) : s->source_var[0].var_value;
            st.text = s->string ? s->string : "";
            break;
        }
        case ELEMENT_TYPE_SLIDER: {
            auto* s = reinterpret_cast<ELEMENT_SLIDER*>(e);
            source(s->source_var_x);
            source(s->source_var_y);
            st.value = axis(s->update_x ? s->update_x(e) : s->source_var_x.var_value);
            st.value_y = axis(s->update_y ? s->update_y(e) : s->source_var_y.var_value);
            st.offset_x = st.value * s->scale_x;
            st.offset_y = st.value_y * s->scale_y;
            break;
        }
        case ELEMENT_TYPE_ICON: {
            auto* icon = reinterpret_cast<ELEMENT_ICON*>(e);
            source(icon->source_var);
            st.value = icon->update_cb ? icon->update_cb(e) : icon->source_var.var_value * icon->scale;
            const double k = std::floor(st.value);
            st.picture = std::isfinite(k) && k >= 0 && k < icon->picture_count ? static_cast<int>(k) : -1;
            break;
        }
        case ELEMENT_TYPE_MOVING_IMAGE: {
            auto* m = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(e);
            source(m->source_var_x);
            source(m->source_var_y);
            // An axis moves only with a variable (or, vertically, the value callback): the
            // drums keep their own parameters in the x numbers, which are no range.
            const bool moves_x = m->source_var_x.id != 0;
            const bool moves_y = m->source_var_y.id != 0 || m->update_y;
            st.value = axis(m->source_var_x.var_value);
            st.value_y = axis(m->update_y ? m->update_y(e) : m->source_var_y.var_value);
            st.offset_x = moves_x ? axis_fraction(st.value, m->min_x, m->max_x) : 0.0;
            st.offset_y = moves_y ? axis_fraction(st.value_y, m->min_y, m->max_y) : 0.0;
            break;
        }
        case ELEMENT_TYPE_SPRITE: {
            auto* s = reinterpret_cast<ELEMENT_SPRITE*>(e);
            source(s->source_var_x);
            source(s->source_var_y);
            source(s->source_var_0);
            st.value = axis(s->update_x ? s->update_x(e) : s->source_var_x.var_value);
            st.value_y = axis(s->update_y ? s->update_y(e) : s->source_var_y.var_value);
            st.value_rotation = axis(s->update_0 ? s->update_0(e) : s->source_var_0.var_value);
            st.offset_x = st.value * s->scale_x;
            st.offset_y = st.value_y * s->scale_y;
            st.rotation = st.value_rotation * s->scale_0;
            break;
        }
        default:
            break;
    }
    st.hidden = (e->image_flags & IMAGE_HIDDEN) != 0;
}

// ---- frames and clicks ----------------------------------------------------------------------

void Host::frame() {
    ++ticks_;
    aircraft_.advance(1.0 / FRAMES_PER_SECOND);
    platform::control::advance_sound_clock(1.0 / FRAMES_PER_SECOND);
    for (std::size_t i = 0; i < instances_.size(); ++i) {
        GaugeInstance& inst = *instances_[i];
        service(inst, PANEL_SERVICE_PRE_UPDATE);
        if (inst.uses_own_routines()) {
            if (inst.source_->update_routine) inst.source_->update_routine();
            if (inst.source_->generate_routine) inst.source_->generate_routine(0);
        } else {
            update_elements(inst);
        }
        service(inst, PANEL_SERVICE_PRE_DRAW);
        if (inst.uses_own_routines() && inst.source_->draw_routine) inst.source_->draw_routine();
    }
}

bool Host::click(GaugeInstance& inst, int x, int y, MouseButton button) {
    ClickTarget target = find_click_target(inst.active_mouse_, inst.size_, x, y, button);
    if (!target) return false;
    fire(inst, target, x, y, button);
    return true;
}

void Host::fire(GaugeInstance& inst, const ClickTarget& target, int x, int y, MouseButton button) {
    const MOUSERECT& area = *target.area;
    if (area.mouse_function) {
        MOUSE_CLICK_POINT point{{x - target.box.x, y - target.box.y}, reinterpret_cast<PTRWORD>(inst.header_)};
        area.mouse_function(&point.point, button_flag(button));
    } else if (area.event_id) {
        trigger_key_event(area.event_id, 0);
    }
}

bool Host::hold(GaugeInstance& inst, int x, int y, double seconds, MouseButton button) {
    ClickTarget target = find_click_target(inst.active_mouse_, inst.size_, x, y, button);
    if (target) fire(inst, target, x, y, button);
    const bool repeats = target && (target.area->mouse_flags & MOUSE_DOWN_REPEAT);
    const long frames = std::lround(std::max(0.0, seconds) * FRAMES_PER_SECOND);
    for (long held = 1; held <= frames; ++held) {
        if (repeats && held >= REPEAT_DELAY_FRAMES && (held - REPEAT_DELAY_FRAMES) % REPEAT_EVERY_FRAMES == 0)
            fire(inst, target, x, y, button);
        frame();
    }
    return static_cast<bool>(target);
}

void Host::hover(const GaugeInstance& inst, int x, int y) {
    log({"hover", 0, 0, describe_help(find_help_target(inst.active_mouse_, inst.size_, x, y))});
}

// ---- the services gauges with their own routines call ----------------------------------------

GaugeInstance* Host::instance_of(ELEMENT_HEADER* root) {
    for (auto& inst : instances_)
        if (inst->root_ == root && inst->header_) return inst.get();
    return nullptr;
}

GaugeInstance* Host::instance_of(GAUGEHDR* header) {
    for (auto& inst : instances_)
        if (inst->header_ == header) return inst.get();
    return nullptr;
}

void Host::element_list_install(ELEMENT_HEADER* root, PTRWORD) {
    if (GaugeInstance* inst = instance_of(root)) install_elements(*inst);
}

void Host::element_list_initialize(ELEMENT_HEADER*) {}

void Host::element_list_update(ELEMENT_HEADER* root) {
    if (GaugeInstance* inst = instance_of(root)) update_elements(*inst);
}

void Host::element_list_kill(ELEMENT_HEADER* root) {
    GaugeInstance* inst = instance_of(root);
    if (!inst) return;
    for (ElementState& st : inst->elements_)
        if (st.element->element_type == ELEMENT_TYPE_STATIC_IMAGE && inst->older_format())
            reinterpret_cast<ELEMENT_STATIC_IMAGE*>(st.element)->host_image = 0;
    inst->elements_.clear();
    inst->image_records_.clear();
}

void Host::mouse_list_install(MOUSERECT*, GAUGEHDR* gauge, PIXPOINT* size) {
    if (GaugeInstance* inst = instance_of(gauge); inst && size) inst->size_ = {size->x, size->y};
}

void Host::mouse_list_register(MOUSERECT* list, GAUGEHDR* gauge) {
    if (GaugeInstance* inst = instance_of(gauge)) inst->active_mouse_ = list;
}

void Host::mouse_list_unregister(MOUSERECT*, GAUGEHDR* gauge) {
    if (GaugeInstance* inst = instance_of(gauge)) inst->active_mouse_ = nullptr;
}

}  // namespace host
