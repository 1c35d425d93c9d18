// panelhost as users run it: its output and its errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "gauge_test_support.h"

namespace {

const std::string ZEPHEL = gauge_module_path("Zephel_Instr");

TEST(PanelhostCli, ListPrintsTheCatalogue) {
    CommandRun r = panelhost("list " + ZEPHEL);
    ASSERT_EQ(r.exit_code, 0) << r.out;
    EXPECT_EQ(r.out.rfind("Registration 150\nATC_Toggle 19\n", 0), 0u);
    EXPECT_NE(r.out.find("\nAP_Tester 100\n"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 73);
}

TEST(PanelhostCli, EvalShowsTheTorqueNeedleAtFiveHundred) {
    CommandRun r = panelhost("eval " + ZEPHEL + " Torque set 0x275 1.315789 frame");
    ASSERT_EQ(r.exit_code, 0) << r.out;
    EXPECT_NE(r.out.find("[1] needle bitmap 2180 value 1.315789 angle 495\n"), std::string::npos) << r.out;
}

TEST(PanelhostCli, EvalJsonCarriesElementsAndEvents) {
    CommandRun r = panelhost("eval --json " + ZEPHEL + " Turb_Temp set 631 1391.67 frame 2");
    ASSERT_EQ(r.exit_code, 0) << r.out;
    EXPECT_EQ(r.out.rfind("{\"gauge\": \"Turb_Temp\", \"elements\": [{\"index\": 0, \"kind\": \"static\"", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"text\": \"0500\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"events\": []}"), std::string::npos) << r.out;
}

TEST(PanelhostCli, OptionsMayFollowTheSteps) {
    CommandRun r = panelhost("eval " + ZEPHEL + " Turb_Temp frame --json");
    ASSERT_EQ(r.exit_code, 0) << r.out;
    EXPECT_EQ(r.out.front(), '{');
}

TEST(PanelhostCli, ErrorsAreClearAndExitNonZero) {
    struct {
        std::string args, message;
    } cases[] = {
        {"eval /nonexistent/X.gau Torque", "cannot load module /nonexistent/X.gau"},
        {"eval " + ZEPHEL + " NoSuchGauge", "no gauge named 'NoSuchGauge'"},
        {"eval " + ZEPHEL + " Torque wobble 3", "unknown step 'wobble'"},
        {"eval " + ZEPHEL + " Torque set 0x275", "step 'set' is missing an argument"},
        {"eval " + ZEPHEL + " Torque set 0x275 lots", "bad value 'lots'"},
        {"eval " + ZEPHEL + " Torque fail 20 7", "failure action must be 0 to 3"},
        {"frobnicate", "unknown command 'frobnicate'"},
    };
    for (const auto& c : cases) {
        CommandRun r = panelhost(c.args);
        EXPECT_NE(r.exit_code, 0) << c.args;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << c.args << " printed: " << r.out;
    }
}

}  // namespace
