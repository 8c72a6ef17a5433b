// The telescope link and kolvar-chart telescope against a real INDI server
// (indiserver with its telescope simulator, a private one per test), and
// against a server that sends what no driver should.

#include "telescope/indi_link.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "astro/angles.h"
#include "catalog/static_tables.h"
#include "indi_server.h"
#include "run_chart.h"
#include "telescope/event_queue.h"
#include "telescope/mount_coordinates.h"
#include "telescope/mount_model.h"
#include "telescope/telescope_target.h"

namespace kolvar {
namespace {

using cli::testing::Fields;
using cli::testing::Lines;
using cli::testing::RunChart;
using Clock = std::chrono::steady_clock;

constexpr double Deg = RadiansPerDegree;
const std::vector<std::string> Budapest{"--lat", "47.5", "--lon", "19.04"};

std::vector<std::string> Telescope(const testing::IndiServer& server, std::vector<std::string> args) {
    args.insert(args.begin(), {"telescope", "--server", server.Address()});
    return args;
}

// The place of date and J2000 of a `telescope` output line.
struct Row {
    std::string State, Near;
    double Jd = 0;
    EquatorialPlace J2000, OfDate;
};
Row ReadRow(const std::string& out) {
    const auto lines = Lines(out);
    EXPECT_EQ(lines.size(), 2u) << out;
    if (lines.size() != 2) return {};
    const auto f = Fields(lines[1], '\t');
    EXPECT_EQ(f.size(), 8u) << lines[1];
    if (f.size() != 8) return {};
    return {f[1],
            f[7],
            std::stod(f[2]),
            {std::stod(f[3]) * 15 * Deg, std::stod(f[4]) * Deg},
            {std::stod(f[5]) * 15 * Deg, std::stod(f[6]) * Deg}};
}

class TelescopeCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitStaticTables(); }
    testing::IndiServer server;
};

TEST_F(TelescopeCommand, GoesToAnObjectAndSyncsOnAnother) {
    auto run =
        RunChart(Telescope(server, {"goto", "M31", "--lat", "47.5", "--lon", "19.04", "--min-alt", "-90"}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    Row row = ReadRow(run.Out);
    const TelescopeTarget m31 = *TargetNamed("M31");
    const EquatorialPlace aim = ApparentOfDate(m31.J2000, row.Jd);
    EXPECT_LT(Separation(row.OfDate, aim), 5.0 / 3600 * Deg);  // the simulator stops within a few arc seconds
    EXPECT_EQ(row.State, "tracking");

    // A new connection finds it there.
    run = RunChart(Telescope(server, {"status"}));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    row = ReadRow(run.Out);
    EXPECT_EQ(row.Near, m31.Name);
    EXPECT_EQ(row.State, "tracking");
    EXPECT_LT(Separation(row.J2000, {m31.J2000.RightAscension, m31.J2000.Declination}), 6.0 / 3600 * Deg);

    ASSERT_EQ(RunChart(Telescope(server, {"sync", "Vega"})).ExitStatus, 0);
    run = RunChart(Telescope(server, {"status"}));
    row = ReadRow(run.Out);
    const TelescopeTarget vega = *TargetNamed("Vega");
    EXPECT_EQ(row.Near, vega.Name);
    EXPECT_LT(Separation(row.OfDate, ApparentOfDate(vega.J2000, row.Jd)), 5.0 / 3600 * Deg);
}

TEST_F(TelescopeCommand, OneLineForEveryFailure) {
    const auto elsewhere = std::to_string(testing::FreePort());
    const struct {
        std::vector<std::string> Args;
        int Status;
        std::string Says;
    } cases[] = {
        {{"telescope", "--server", "127.0.0.1:" + elsewhere, "status"}, 1, "no telescope server answers"},
        {Telescope(server, {"--device", "Dome", "status"}), 1, "has no device \"Dome\""},
        {Telescope(server, {"goto", "Canopus", "--lat", "47.5", "--lon", "19.04"}), 1, "below the horizon"},
        {Telescope(server, {"goto", "--ra", "1", "--dec", "89", "--timeout", "0.3"}), 1, "did not arrive"},
        {{"telescope", "goto"}, 2, "missing TARGET"},
        {{"telescope", "goto", "M31", "--ra", "1", "--dec", "2"}, 2, "not both"},
        {{"telescope", "status", "Vega"}, 2, "unexpected argument"},
        {{"telescope", "fly"}, 2, "unknown action"},
        {{"telescope", "goto", "--ra", "24", "--dec", "0"}, 2, "out of range"},
        {{"telescope", "--server", "host:0", "status"}, 2, "not HOST:PORT"},
        {{"telescope", "abort", "--no-wait"}, 2, "--no-wait is for"},
        {{"telescope", "goto", "Nothingness"}, 2, "no object is named"},
    };
    for (const auto& c : cases) {
        const auto run = RunChart(c.Args);
        EXPECT_EQ(run.ExitStatus, c.Status) << c.Args.back() << ": " << run.Err;
        EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
        EXPECT_NE(run.Err.find(c.Says), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
}

TEST_F(TelescopeCommand, AServerGoneMidSlewIsOneMessageAndNoHang) {
    ASSERT_EQ(
        RunChart(Telescope(server, {"goto", "--ra", "12", "--dec", "80", "--min-alt", "-90"})).ExitStatus, 0);
    const auto start = Clock::now();
    auto slew = std::async(std::launch::async, [this] {
        return RunChart(Telescope(server, {"goto", "--ra", "0", "--dec", "-80", "--min-alt", "-90"}));
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    server.Stop();
    const auto run = slew.get();
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(Lines(run.Err).size(), 1u) << run.Err;
    EXPECT_NE(run.Err.find("closed the connection"), std::string::npos) << run.Err;
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(8));
}

// Applies a link's events to a model until `done` holds or 10 s are up.
struct Follower {
    EventQueue queue;
    MountModel model;
    std::vector<std::string> notices;
    template <class F>
    bool Until(F done) {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (!done(model)) {
            const auto e = queue.PopUntil(deadline);
            if (!e) return false;
            if (auto n = model.Apply(*e)) notices.push_back(*n);
        }
        return true;
    }
};

TEST_F(TelescopeCommand, TheLinkConnectsAgainWithoutARestart) {
    Follower f;
    const auto link = MakeIndiLink(f.queue.Sink());
    const ServerAddress address{"127.0.0.1", server.Port()};
    link->Connect(address);
    ASSERT_TRUE(f.Until([](const MountModel& m) { return m.ConnectionKnown(); }));
    link->ConnectDevice(f.model.Device());
    ASSERT_TRUE(f.Until([](const MountModel& m) { return m.Place().has_value(); }));

    server.Stop();
    ASSERT_TRUE(f.Until([](const MountModel& m) { return m.State() == MountState::Lost; }));
    ASSERT_EQ(f.notices.size(), 1u);
    link->Connect(address);  // nobody there: told so
    ASSERT_TRUE(f.Until([&f](const MountModel&) { return f.notices.size() == 2; }));
    EXPECT_NE(f.notices[1].find("no telescope server answers"), std::string::npos);

    server.Start();
    link->Connect(address);
    ASSERT_TRUE(f.Until([](const MountModel& m) { return m.ConnectionKnown(); }));
    link->ConnectDevice(f.model.Device());
    ASSERT_TRUE(f.Until([](const MountModel& m) { return m.Place().has_value(); }));
    link->Park(f.model.Device(), true);
    EXPECT_TRUE(f.Until([](const MountModel& m) { return m.State() == MountState::Slewing; }));
    link->Abort(f.model.Device());
    EXPECT_TRUE(f.Until([](const MountModel& m) { return m.State() != MountState::Slewing; }));
}

// A server that defines one mount and then sends `script`, whatever it holds.
class ScriptedServer {
public:
    explicit ScriptedServer(std::string script) : port_(testing::FreePort()), script_(std::move(script)) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        const int yes = 1;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<std::uint16_t>(port_));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(listener_, 1) != 0)
            throw std::runtime_error("cannot listen");
        thread_ = std::thread([this] {
            client_ = accept(listener_, nullptr, nullptr);
            if (client_ < 0) return;
            char buffer[4096];
            (void)!read(client_, buffer, sizeof buffer);  // getProperties
            (void)!write(client_, script_.data(), script_.size());
        });
    }
    ~ScriptedServer() {
        shutdown(listener_, SHUT_RDWR);
        thread_.join();
        close(listener_);
        if (client_ >= 0) close(client_);
    }
    int Port() const { return port_; }

private:
    int port_;
    std::string script_;
    int listener_ = -1;
    std::atomic<int> client_{-1};
    std::thread thread_;
};

std::string Coordinates(const char* state, const char* ra, const char* dec) {
    return std::string("<setNumberVector device=\"Fake\" name=\"EQUATORIAL_EOD_COORD\" state=\"") + state +
           "\"><oneNumber name=\"RA\">" + ra + "</oneNumber><oneNumber name=\"DEC\">" + dec +
           "</oneNumber></setNumberVector>\n";
}

TEST(IndiLink, SurvivesWhatAMountMustNotSend) {
    const std::string script =
        "<defSwitchVector device=\"Fake\" name=\"CONNECTION\" state=\"Ok\" perm=\"rw\" rule=\"OneOfMany\">"
        "<defSwitch name=\"CONNECT\">On</defSwitch><defSwitch name=\"DISCONNECT\">Off</defSwitch>"
        "</defSwitchVector>\n"
        "<defNumberVector device=\"Fake\" name=\"EQUATORIAL_EOD_COORD\" state=\"Idle\" perm=\"rw\">"
        "<defNumber name=\"RA\" format=\"%g\" min=\"0\" max=\"24\" step=\"0\">nan</defNumber>"
        "<defNumber name=\"DEC\" format=\"%g\" min=\"-90\" max=\"90\" step=\"0\">1e400</defNumber>"
        "</defNumberVector>\n" +
        Coordinates("Busy", "-1e308", "95") + Coordinates("Ok", "-inf", "-45") +
        Coordinates("Ok", "12", "-1e300") +
        "<defTextVector device=\"Fake\" name=\"DRIVER_INFO\"><defText name=\"DRIVER_INTERFACE\">x</defText>"
        "</defTextVector>\n" +
        Coordinates("Ok", "-6", "-45") + "<<<not xml &&& >\n" + Coordinates("Ok", "30", "-44");
    ScriptedServer server(script);
    Follower f;
    {
        const auto link = MakeIndiLink(f.queue.Sink());
        link->Connect({"127.0.0.1", server.Port()});
        ASSERT_TRUE(f.Until([](const MountModel& m) { return m.DeviceConnected(); }));
        // The first good place, wrapped: -6 h is 18 h.
        ASSERT_TRUE(f.Until([](const MountModel& m) { return m.Place().has_value(); }));
        EXPECT_NEAR(f.model.Place()->RightAscension, 270.0 * Deg, 1e-9);
        EXPECT_EQ(f.model.CoordinateReports(), 1);
        EXPECT_EQ(f.notices.size(), 1u);  // the numbers off the sky, told once
        // A command for a property the mount never defined.
        link->Park("Fake", true);
        ASSERT_TRUE(f.Until([&f](const MountModel&) { return f.notices.size() == 2; }));
        EXPECT_NE(f.notices[1].find("has no TELESCOPE_PARK"), std::string::npos) << f.notices[1];
    }  // the link goes while the server still holds the connection
    while (const auto e = f.queue.TryPop()) f.model.Apply(*e);
    EXPECT_EQ(f.model.State(), MountState::Disconnected);
}

}  // namespace
}  // namespace kolvar
