#pragma once
// The lab server the tests are given, and lab databases of their own on it. scripts/test starts
// a server (scripts/lab-server) and hands its logins' connection strings on in the environment:
// MIXORA_TEST_ODBC_ADMIN, _TESTER, _REVIEWER and _APPROVER; MIXORA_TEST_LAB_SERVER names its
// folder, for the tests that stop and start it. Without them the server's tests are skipped and
// the repositories' run on SQLite only.
#include "shared_lab.h"
#include "store_test_support.h"

#include <optional>
#include <string>

namespace mixora::odbc::testing {

struct TestServer {
    std::string administrator; // the connection strings of the four logins
    std::string tester;
    std::string reviewer;
    std::string approver;
    std::string folder; // scripts/lab-server's, when the tests may stop and start it
    const std::string& As(LabRole role) const;
};

// The server given to the tests, if any.
std::optional<TestServer> GivenServer();

// Takes the server away (scripts/lab-server stop) or brings it back (start), for the tests of
// what the program does meanwhile; false when the script failed.
bool StopServer(const TestServer& server);
bool StartServer(const TestServer& server);

// A new lab database on the server, made ready as --init-lab-db makes one (unless not `ready`),
// and dropped with whatever still holds it open when this goes.
class SharedTestDatabase {
  public:
    explicit SharedTestDatabase(const TestServer& server, bool ready = true);
    ~SharedTestDatabase();
    SharedTestDatabase(const SharedTestDatabase&) = delete;
    SharedTestDatabase& operator=(const SharedTestDatabase&) = delete;

    // A login's connection string (one of the server's) to this database.
    std::string ConnectionOf(const std::string& login) const;
    store::LabDatabase Open(const std::string& login) const;

  private:
    std::unique_ptr<store::Connection> administrator_;
    std::string name_;
};

// The lab of a repositories' test on the server given: a database of its own, opened with the
// administrator's login (whom the rules let record the names the test gives). Without a server,
// none, and the running test is marked skipped (its body is not run).
std::unique_ptr<store::testing::TestLab> MakeSharedTestLab();

} // namespace mixora::odbc::testing
