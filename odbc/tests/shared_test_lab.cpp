#include "shared_test_lab.h"

#include "connection_string.h"
#include "odbc_engine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <random>

namespace mixora::odbc::testing {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

class SharedTestLab final : public store::testing::TestLab {
  public:
    explicit SharedTestLab(const TestServer& server)
        : database_(server), administrator_(server.administrator) {}
    store::LabDatabase Open() override { return database_.Open(administrator_); }

  private:
    SharedTestDatabase database_;
    std::string administrator_;
};

} // namespace

const std::string& TestServer::As(LabRole role) const {
    switch (role) {
    case LabRole::Tester: return tester;
    case LabRole::Reviewer: return reviewer;
    case LabRole::Approver: return approver;
    }
    return administrator;
}

std::optional<TestServer> GivenServer() {
    TestServer server{Variable("MIXORA_TEST_ODBC_ADMIN"), Variable("MIXORA_TEST_ODBC_TESTER"),
                      Variable("MIXORA_TEST_ODBC_REVIEWER"), Variable("MIXORA_TEST_ODBC_APPROVER"),
                      Variable("MIXORA_TEST_LAB_SERVER")};
    if (server.administrator.empty() || server.tester.empty() || server.reviewer.empty() ||
        server.approver.empty())
        return std::nullopt;
    return server;
}

namespace {

bool RunLabServer(const TestServer& server, const std::string& action) {
    if (server.folder.empty()) return false;
    const std::string command = "\"" MIXORA_SOURCE_DIR "/scripts/lab-server\" " + action + " \"" +
                                server.folder + "\" >/dev/null";
    return std::system(command.c_str()) == 0;
}

} // namespace

bool StopServer(const TestServer& server) {
    return RunLabServer(server, "stop");
}

bool StartServer(const TestServer& server) {
    return RunLabServer(server, "start");
}

SharedTestDatabase::SharedTestDatabase(const TestServer& server, bool ready)
    : administrator_(OpenOdbc(server.administrator)) {
    static std::atomic<int> made{0};
    std::random_device random;
    name_ = "mixora_test_" + std::to_string(random() % 100000000) + "_" + std::to_string(++made);
    store::Execute(*administrator_, "CREATE DATABASE " + name_);
    if (!ready) return;
    std::unique_ptr<store::Connection> owner = OpenOdbc(ConnectionOf(server.administrator));
    InitLabServer(*owner);
}

SharedTestDatabase::~SharedTestDatabase() {
    try {
        store::Execute(*administrator_, "DROP DATABASE " + name_ + " WITH (FORCE)");
    } catch (const store::StoreError&) {
        // The server is away (a test stopped it): the folder of the run goes with it.
    }
}

std::string SharedTestDatabase::ConnectionOf(const std::string& login) const {
    return WithConnectionValue(login, "Database", name_);
}

store::LabDatabase SharedTestDatabase::Open(const std::string& login) const {
    return OpenSharedLab(ConnectionOf(login));
}

namespace {

void SkipWithoutServer() {
    GTEST_SKIP() << "no lab server given (scripts/test starts one)";
}

} // namespace

std::unique_ptr<store::testing::TestLab> MakeSharedTestLab() {
    const std::optional<TestServer> server = GivenServer();
    if (server) return std::make_unique<SharedTestLab>(*server);
    SkipWithoutServer();
    return nullptr;
}

} // namespace mixora::odbc::testing
