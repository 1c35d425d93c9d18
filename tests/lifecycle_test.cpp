// The host's lifecycle, per-instance records, value rules, failures and clicks, read from the
// probe module's key events.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "gauge_test_support.h"

namespace {

std::vector<UINT32> key_ids(const std::vector<host::Event>& events) {
    std::vector<UINT32> ids;
    for (const auto& e : events)
        if (e.type == "key") ids.push_back(e.id);
    return ids;
}

constexpr UINT32 SERVICE = 0xF000, NEEDLE_CB = 0xE001, ICON_CB = 0xE002;

TEST(Lifecycle, ServicesAndCallbacksComeInOrder) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    m.host.frame();
    m.host.frame();
    m.host.service(probe, PANEL_SERVICE_FLIGHT_RESET);
    m.host.kill(probe);
    const std::vector<UINT32> expected{
        SERVICE + 2,  SERVICE + 4,                                        // set-up
        SERVICE + 6,  NEEDLE_CB, ICON_CB, SERVICE + 10,                   // frame 1
        SERVICE + 6,  NEEDLE_CB, ICON_CB, SERVICE + 10,                   // frame 2
        SERVICE + 14, SERVICE + 12};
    EXPECT_EQ(key_ids(m.host.events()), expected);
}

TEST(Lifecycle, EachPlacedGaugeHasItsOwnRecords) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& a = m.place("Probe", "abc");
    host::GaugeInstance& b = m.place("Probe");
    host::GaugeInstance& c = m.place("Probe", "");
    EXPECT_NE(a.header(), b.header());
    EXPECT_EQ(a.header()->user_data, 1u);  // each starts from 0 and counts its own set-up
    EXPECT_EQ(b.header()->user_data, 1u);
    ASSERT_NE(a.header()->parameters, nullptr);
    EXPECT_STREQ(a.header()->parameters, "#bc");  // the gauge may write into its copy
    EXPECT_EQ(b.header()->parameters, nullptr);   // no text given
    ASSERT_NE(c.header()->parameters, nullptr);   // an empty one given
    EXPECT_STREQ(c.header()->parameters, "");
    // The chain points at the instance's own header and back along itself.
    ASSERT_EQ(a.elements().size(), 3u);
    for (const auto& st : a.elements()) EXPECT_EQ(st.element->gauge_header, a.header());
    EXPECT_EQ(a.elements()[1].element->previous_element, a.elements()[0].element);
    EXPECT_NE(a.elements()[1].element, b.elements()[1].element);
}

TEST(Lifecycle, ValuesOfTheLastFrame) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    m.host.set_var(0x20, 50);
    m.host.set_var(0x30, 1.7);
    m.host.frame();
    const auto& needle = probe.elements()[1];
    const auto& icon = probe.elements()[2];
    EXPECT_DOUBLE_EQ(needle.value, 50);
    // The table runs from straight up (0) to the point (90,40) at 90 degrees.
    EXPECT_NEAR(needle.angle, 45, 1e-9);
    EXPECT_EQ(icon.picture, 1);
    EXPECT_EQ(probe.size().width, 100);
    EXPECT_EQ(probe.size().height, 80);

    m.host.set_var(0x30, 2.0);  // beyond the two pictures
    m.host.frame();
    EXPECT_EQ(icon.picture, -1);
    m.host.set_var(0x30, std::nan(""));
    m.host.frame();
    EXPECT_EQ(icon.picture, -1);
}

TEST(Lifecycle, AHiddenElementIsStillRefreshedSoItsCallbackCanShowItAgain) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    m.host.set_var(0x10, 1);
    m.host.set_var(0x30, 1);
    m.host.frame();
    EXPECT_TRUE(probe.elements()[2].hidden);
    EXPECT_FALSE(probe.elements()[1].hidden);  // the rest of the chain is untouched
    m.host.set_var(0x10, 0);
    m.host.frame();
    EXPECT_FALSE(probe.elements()[2].hidden);
    EXPECT_EQ(probe.elements()[2].picture, 1);
}

TEST(Lifecycle, TimeVariableCountsFramesUntilSet) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    EXPECT_EQ(m.host.var(1), 0);
    m.host.frame();
    m.host.frame();
    EXPECT_EQ(m.host.var(1), 2);
    m.host.set_var(1, 100);
    m.host.frame();
    EXPECT_EQ(m.host.var(1), 100);
    EXPECT_EQ(m.host.var(0x9999), 0);  // unknown variables read 0
}

TEST(Failures, FreezeKeepsTheLastValueAndRunsNoCallback) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    m.host.set_var(0x20, 40);
    m.host.frame();
    m.host.fail(20);
    m.host.set_var(0x20, 80);
    const std::size_t before = m.host.events().size();
    m.host.frame();
    EXPECT_DOUBLE_EQ(probe.elements()[1].value, 40);
    EXPECT_EQ(probe.elements()[1].failure_action, FAIL_ACTION_FREEZE);
    for (std::size_t i = before; i < m.host.events().size(); ++i) EXPECT_NE(m.host.events()[i].id, NEEDLE_CB);
    m.host.repair(20);
    m.host.frame();
    EXPECT_DOUBLE_EQ(probe.elements()[1].value, 80);
}

TEST(Failures, ZeroDrivesAxesToZeroButIconsKeepTheCallbacksResult) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    m.host.set_var(0x20, 80);
    m.host.set_var(0x30, 1);
    m.host.fail(21);  // both elements list key 21 with action 2
    m.host.frame();
    EXPECT_DOUBLE_EQ(probe.elements()[1].value, 0);
    EXPECT_NEAR(probe.elements()[1].angle, 0, 1e-9);
    // The icon's own variable reads 0, so its callback returns 0: picture 0.
    EXPECT_EQ(probe.elements()[2].picture, 0);
}

TEST(Failures, TheHighestActionOfTheFailedKeysApplies) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    m.host.fail(21);
    m.host.fail(22);
    m.host.frame();
    EXPECT_EQ(probe.elements()[2].failure_action, FAIL_ACTION_NO_DRAW);
    m.host.repair(22);
    m.host.fail(20, FAIL_ACTION_NO_DRAW);  // forced by the host
    m.host.frame();
    EXPECT_EQ(probe.elements()[1].failure_action, FAIL_ACTION_NO_DRAW);
    EXPECT_EQ(probe.elements()[2].failure_action, FAIL_ACTION_ZERO);
}

TEST(Clicks, ACallbackGetsItsRelativePointAndTheClickedGauge) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    ASSERT_TRUE(m.host.click(probe, 17, 22, host::MouseButton::left));
    const auto& ev = m.host.events();
    ASSERT_GE(ev.size(), 2u);
    EXPECT_EQ(ev[ev.size() - 2].id, 0xC001u);
    EXPECT_EQ(ev[ev.size() - 2].value, 7u * 1000 + 12);
    EXPECT_EQ(ev.back().id, 0xC002u);
    EXPECT_EQ(ev.back().value, 1u);
}

TEST(Clicks, AnAreaWithAnEventIdAndNoCallbackMakesTheHostSendIt) {
    LoadedModule m(fixture_module_path("LifecycleProbe"));
    host::GaugeInstance& probe = m.place("Probe");
    EXPECT_FALSE(m.host.click(probe, 95, 75, host::MouseButton::left));
    ASSERT_TRUE(m.host.click(probe, 95, 75, host::MouseButton::right));  // past its region, inside the gauge
    EXPECT_EQ(m.host.events().back().id, 0x10001u);
    EXPECT_EQ(m.host.events().back().value, 0u);
    EXPECT_FALSE(m.host.click(probe, 5, 5, host::MouseButton::right));
}

TEST(Module, CallsBeforeTheHostWritesItsServicesDoNothing) {
    auto module = host::Module::load(fixture_module_path("LifecycleProbe"));
    ASSERT_EQ(module->import_table().services, nullptr);
    GAUGEHDR* g = module->find_gauge("Probe");
    ASSERT_NE(g, nullptr);
    GAUGEHDR copy = *g;
    g->gauge_callback(&copy, PANEL_SERVICE_PRE_INSTALL, 0);  // sends a key event: must not crash
    EXPECT_EQ(copy.user_data, 1u);
}

TEST(Module, UnknownModulesAndGaugesAreReported) {
    host::Host host;
    EXPECT_THROW(host.load_module("/nonexistent/Nothing.gau"), std::runtime_error);
    host::Module& m = host.load_module(fixture_module_path("LifecycleProbe"));
    EXPECT_THROW(host.place(m, "NoSuchGauge"), std::runtime_error);
}

}  // namespace
