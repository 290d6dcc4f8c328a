// The shared database under load and faults: N client processes (8 unless given) register,
// edit, review and approve designs on one server on loopback for a bounded time, each as the
// three roles' logins; the server is stopped and started again a third of the way in. Then
// every design a client was told it registered is there once, the numbers of each year are
// unique and without gaps, every row is whole, no change was saved over another unseen, each
// client was told of the failure and worked on after it. Prints the figures; exits 1 when
// anything was lost.
//   lab_load [CLIENTS [SECONDS]]   (the server is the tests' own: see shared_test_lab.h)
#include "design_register.h"
#include "shared_test_lab.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>

namespace mixora::odbc::testing {
namespace {

using Clock = std::chrono::steady_clock;
using store::DesignStep;
using store::StoreError;
using store::StoreErrorKind;

// What a client tells the parent, one line each: "ok OP ID READ_VERSION", "registered NUMBER",
// "told KIND", "failed", "resumed".
class ClientLog {
  public:
    explicit ClientLog(const std::string& path)
        : file_(std::filesystem::path(std::u8string(path.begin(), path.end()))) {}
    void Line(const std::string& line) { file_ << line << "\n" << std::flush; }

  private:
    std::ofstream file_;
};

struct Client {
    store::LabDatabase tester, reviewer, approver;
    store::DesignRegister as_tester{*tester.connection}, as_reviewer{*reviewer.connection},
        as_approver{*approver.connection};

    // A new connection for each role, until the server answers or the time is up.
    bool Reconnect(Clock::time_point until) {
        while (Clock::now() < until) {
            try {
                for (store::LabDatabase* database : {&tester, &reviewer, &approver})
                    database->connection->Reconnect();
                return true;
            } catch (const StoreError&) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
            }
        }
        return false;
    }
};

std::string Who(store::LabDatabase& database) {
    return database.connection->Login();
}

// One of the latest few designs in a state, as read now: where the clients meet.
std::optional<store::RegisteredDesign> Pick(store::DesignRegister& designs,
                                            store::DesignState state, std::mt19937& random) {
    store::RegisterFilter filter;
    filter.state = state;
    std::vector<store::RegisteredDesign> found = designs.List(filter);
    if (found.empty()) return std::nullopt;
    const std::size_t window = std::min<std::size_t>(found.size(), 4);
    return found[found.size() - 1 - random() % window];
}

// One operation; its success is logged with the row version it was read at.
void Operate(Client& client, ClientLog& log, std::mt19937& random) {
    const auto done = [&](const char* op, const store::RegisteredDesign& read) {
        log.Line(std::string("ok ") + op + " " + std::to_string(read.id) + " " +
                 std::to_string(read.row_version));
    };
    switch (random() % 4) {
    case 0: {
        const store::RegisteredDesign d =
            client.as_tester.Register(store::testing::EntryFor("C30", "负载"), Who(client.tester));
        log.Line("registered " + d.number);
        return;
    }
    case 1:
        if (auto d = Pick(client.as_tester, store::DesignState::Draft, random)) {
            client.as_tester.Edit(d->id, d->row_version, store::testing::EntryFor("C35", "改"),
                                  Who(client.tester));
            done("edit", *d);
        }
        return;
    case 2:
        if (auto d = Pick(client.as_reviewer, store::DesignState::Draft, random)) {
            client.as_reviewer.Take(DesignStep::Review, d->id, d->row_version,
                                    Who(client.reviewer));
            done("review", *d);
        }
        return;
    default:
        if (auto d = Pick(client.as_approver, store::DesignState::Reviewed, random)) {
            client.as_approver.Take(DesignStep::Approve, d->id, d->row_version,
                                    Who(client.approver));
            done("approve", *d);
        }
        return;
    }
}

// CONNECTION_TESTER CONNECTION_REVIEWER CONNECTION_APPROVER SECONDS SEED LOG
int RunClient(const std::vector<std::string>& arguments) {
    ClientLog log(arguments[5]);
    const auto until = Clock::now() + std::chrono::seconds(std::stoi(arguments[3]));
    std::mt19937 random(static_cast<unsigned>(std::stoul(arguments[4])));
    Client client{OpenSharedLab(arguments[0]), OpenSharedLab(arguments[1]),
                  OpenSharedLab(arguments[2])};
    bool lost = false;
    while (Clock::now() < until) {
        try {
            Operate(client, log, random);
            if (lost) log.Line("resumed");
            lost = false;
        } catch (const StoreError& error) {
            if (error.kind() != StoreErrorKind::Lost) {
                // A conflict, a step taken meanwhile, a wait too long: the loser is told.
                log.Line("told " + std::to_string(static_cast<int>(error.kind())));
                continue;
            }
            log.Line("failed");
            lost = true;
            if (!client.Reconnect(until)) break;
        }
    }
    return 0;
}

const bool kClientRole = (store::testing::AddChildRole("load-client", RunClient), true);

struct Figures {
    int operations = 0, registered = 0, failures = 0;
    std::map<int, int> told; // by the error's kind
    std::set<int> clients_failed, clients_resumed;
    std::vector<std::string> numbers;
    std::map<std::pair<std::string, std::string>, int> saves; // (id, read version) → successes
};

void ReadLog(const std::string& path, int client, Figures& figures) {
    std::ifstream file(std::filesystem::path(std::u8string(path.begin(), path.end())));
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string what, a, b, c;
        words >> what >> a >> b >> c;
        if (what == "ok") {
            ++figures.operations;
            ++figures.saves[{b, c}];
        } else if (what == "registered") {
            ++figures.operations;
            ++figures.registered;
            figures.numbers.push_back(a);
        } else if (what == "told") {
            ++figures.told[std::stoi(a)];
        } else if (what == "failed") {
            ++figures.failures;
            figures.clients_failed.insert(client);
        } else if (what == "resumed") {
            figures.clients_resumed.insert(client);
        }
    }
}

// What the database holds, checked against what the clients were told; the problems found.
std::vector<std::string> Check(store::Connection& connection, const Figures& figures) {
    std::vector<std::string> problems;
    std::map<std::string, int> held;
    store::Query designs(connection, "SELECT number FROM designs WHERE revision = 'A'");
    std::map<std::string, std::vector<int>> sequences; // by prefix and year
    while (designs.Next()) {
        const std::string number = designs.Text(0);
        ++held[number];
        const auto dash = number.rfind('-');
        sequences[number.substr(0, dash)].push_back(std::stoi(number.substr(dash + 1)));
    }
    for (const std::string& number : figures.numbers)
        if (held[number] != 1)
            problems.push_back(number + " 登记成功，数据库中有 " + std::to_string(held[number]) +
                               " 个");
    for (auto& [year, numbers] : sequences) {
        std::sort(numbers.begin(), numbers.end());
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (numbers[i] != static_cast<int>(i) + 1) {
                problems.push_back(year + " 的编号不连续或重复");
                break;
            }
        store::Query counter(connection, "SELECT value FROM counters WHERE name = ?",
                             {"design_number_" + year.substr(year.rfind('-') + 1)});
        if (!counter.Next() || counter.Int(0) != static_cast<std::int64_t>(numbers.size()))
            problems.push_back(year + " 的计数器与编号不符");
    }
    if (store::Query(connection, "SELECT 1 FROM designs d WHERE NOT EXISTS"
                                 " (SELECT 1 FROM design_documents WHERE design = d.id)")
            .Next())
        problems.push_back("有配合比缺少设计文件（写了一半）");
    for (const auto& [save, count] : figures.saves)
        if (count > 1)
            problems.push_back("配合比 " + save.first + " 在行版本 " + save.second + " 上保存了 " +
                               std::to_string(count) + " 次（覆盖了别人的修改）");
    return problems;
}

int RunLoad(int clients, int seconds) {
    const std::optional<TestServer> server = GivenServer();
    if (!server || server->folder.empty()) {
        std::cout << "lab_load: no lab server given (scripts/test starts one); nothing run\n";
        return 0;
    }
    store::testing::TempFolder folder;
    SharedTestDatabase database(*server);
    std::vector<std::unique_ptr<store::testing::ChildProcess>> children;
    for (int i = 0; i < clients; ++i)
        children.push_back(std::make_unique<store::testing::ChildProcess>(std::vector<std::string>{
            "load-client", database.ConnectionOf(server->tester),
            database.ConnectionOf(server->reviewer), database.ConnectionOf(server->approver),
            std::to_string(seconds), std::to_string(1000 + i),
            folder.Path("client-" + std::to_string(i) + ".log")}));

    std::this_thread::sleep_for(std::chrono::milliseconds(seconds * 1000 / 3));
    const bool stopped = StopServer(*server);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const bool started = StartServer(*server);
    int crashed = 0;
    for (auto& child : children)
        crashed += child->Wait() != 0;

    Figures figures;
    for (int i = 0; i < clients; ++i)
        ReadLog(folder.Path("client-" + std::to_string(i) + ".log"), i, figures);
    store::LabDatabase checked = database.Open(server->administrator);
    std::vector<std::string> problems = Check(*checked.connection, figures);
    if (!stopped || !started) problems.push_back("服务器未能停止或重新启动");
    if (crashed > 0) problems.push_back(std::to_string(crashed) + " 个客户端异常结束");
    if (static_cast<int>(figures.clients_failed.size()) != clients)
        problems.push_back("只有 " + std::to_string(figures.clients_failed.size()) +
                           " 个客户端得知服务器停止");
    if (static_cast<int>(figures.clients_resumed.size()) != clients)
        problems.push_back("只有 " + std::to_string(figures.clients_resumed.size()) +
                           " 个客户端在服务器恢复后继续工作");

    std::printf("lab_load: %d clients, %d s, the server stopped and started once\n", clients,
                seconds);
    std::printf("  operations saved      %d (designs registered %d)\n", figures.operations,
                figures.registered);
    const auto told = [&](StoreErrorKind kind) { return figures.told[static_cast<int>(kind)]; };
    std::printf(
        "  conflicts, each told  %d (changed since read %d, step taken meanwhile %d, "
        "waited too long %d)\n",
        told(StoreErrorKind::Conflict) + told(StoreErrorKind::Refused) + told(StoreErrorKind::Busy),
        told(StoreErrorKind::Conflict), told(StoreErrorKind::Refused), told(StoreErrorKind::Busy));
    int other = 0;
    for (const auto& [kind, count] : figures.told)
        if (kind != static_cast<int>(StoreErrorKind::Conflict) &&
            kind != static_cast<int>(StoreErrorKind::Refused) &&
            kind != static_cast<int>(StoreErrorKind::Busy))
            other += count;
    if (other > 0) problems.push_back(std::to_string(other) + " 次意外的错误");
    std::printf("  failures, each told   %d (clients told %zu, resumed %zu)\n", figures.failures,
                figures.clients_failed.size(), figures.clients_resumed.size());
    for (const std::string& problem : problems)
        std::printf("  LOST: %s\n", problem.c_str());
    if (problems.empty()) std::printf("  nothing lost\n");
    return problems.empty() ? 0 : 1;
}

} // namespace
} // namespace mixora::odbc::testing

int main(int argc, char** argv) {
    int code = 0;
    if (mixora::store::testing::RunChildRole(argc, argv, code)) return code;
    const int clients = argc > 1 ? std::max(8, std::atoi(argv[1])) : 8;
    const int seconds = argc > 2 ? std::max(6, std::atoi(argv[2])) : 12;
    try {
        return mixora::odbc::testing::RunLoad(clients, seconds);
    } catch (const mixora::store::StoreError& error) {
        std::cerr << "lab_load: " << error.Message() << "\n";
        return 1;
    }
}
