// A lab database file: its schema made and migrated, refused when damaged or not a lab's, read
// only when newer or on a network path, whole after a killed writer and under two writing
// processes, backed up and restored.
#include "schema.h"
#include "sqlite_engine.h"
#include "store_test_support.h"
#include "transaction.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace mixora::store::testing {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(std::u8string(path.begin(), path.end())),
                       std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary)
        << bytes;
}

std::size_t Count(Connection& connection) {
    return DesignRegister(connection).List({}).size();
}

std::size_t Count(LabDatabase& database) {
    return Count(*database.connection);
}

// A child that registers designs: DATABASE COUNT.
const bool kRegisterRole = (AddChildRole("register",
                                         [](const std::vector<std::string>& arguments) {
                                             LabDatabase database =
                                                 OpenLabFile(arguments[0], NoNetworkDrives);
                                             DesignRegister designs(*database.connection);
                                             for (int i = 0; i < std::stoi(arguments[1]); ++i)
                                                 designs.Register(EntryFor("C30", "并发"), "子");
                                             return 0;
                                         }),
                            true);

// A child that changes every design in a transaction it never ends: DATABASE MARKER. It writes
// the marker file when the change is made and waits to be killed.
const bool kHoldRole =
    (AddChildRole("hold",
                  [](const std::vector<std::string>& arguments) {
                      LabDatabase database = OpenLabFile(arguments[0], NoNetworkDrives);
                      Connection& c = *database.connection;
                      Transaction transaction(c);
                      Execute(c, "UPDATE designs SET project = '改了'");
                      // Enough to spill from the page cache into the log.
                      for (int i = 0; i < 20000; ++i)
                          Execute(c, "INSERT INTO lab_settings (name, value) VALUES (?, ?)",
                                  {"filler " + std::to_string(i), std::string(200, 'x')});
                      Write(arguments[1], "held");
                      std::this_thread::sleep_for(std::chrono::minutes(2));
                      return 0;
                  }),
     true);

class LabFileTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    std::string path_ = folder_.Path("实验室.sqlite");
};

TEST_F(LabFileTest, ANewFileGetsTheSchemaAndAnOlderOneIsMigratedWithItsData) {
    {
        auto connection = OpenSqlite(path_, SqliteAccess::ReadWrite);
        Migrate(*connection, 1);
        Execute(*connection,
                "INSERT INTO designs (id, number, revision, latest, state, kind, grade, project,"
                " registered_at, registered_by, changed_at, changed_by, row_version) VALUES"
                " (1, 'PB-2025-0001', 'A', 1, 'approved', 'cement', 'C30', '旧', '2025', '张',"
                " '2025', '张', 1)");
    }
    LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
    EXPECT_EQ(database.schema_version, kSchemaVersion);
    EXPECT_TRUE(database.notice().empty());
    const auto designs = DesignRegister(*database.connection).List({});
    ASSERT_EQ(designs.size(), 1u);
    EXPECT_EQ(designs.front().project, "旧");

    TempFolder other;
    EXPECT_EQ(OpenLabFile(other.Path("new.sqlite"), NoNetworkDrives).schema_version,
              kSchemaVersion);
}

TEST_F(LabFileTest, ANewerSchemaOpensReadOnlyWithAMessage) {
    {
        LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
        DesignRegister(*database.connection).Register(EntryFor("C30", "甲"), "张三");
        Execute(*database.connection, "UPDATE schema_version SET version = 99");
    }
    LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
    EXPECT_NE(database.notice().find("较新版本"), std::string::npos) << database.notice();
    EXPECT_EQ(Count(database), 1u);
    EXPECT_EQ(ErrorKindOf([&] {
                  DesignRegister(*database.connection).Register(EntryFor("C30", "乙"), "张三");
              }),
              StoreErrorKind::ReadOnly);
    EXPECT_EQ(SchemaVersionOf(*database.connection), 99);
}

TEST_F(LabFileTest, ADamagedFileOrAnotherProgramsDatabaseIsRefusedAndLeftAsItWas) {
    const std::string garbage = "这不是数据库" + std::string(5000, '\x5a');
    Write(path_, garbage);
    try {
        OpenLabFile(path_, NoNetworkDrives);
        FAIL() << "opened a damaged file";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), StoreErrorKind::Damaged);
        EXPECT_NE(error.Message().find(path_), std::string::npos) << error.Message();
    }
    EXPECT_EQ(Bytes(path_), garbage);

    const std::string foreign = folder_.Path("foreign.sqlite");
    Execute(*OpenSqlite(foreign, SqliteAccess::ReadWrite), "CREATE TABLE notes (text TEXT)");
    const std::string before = Bytes(foreign);
    EXPECT_EQ(ErrorKindOf([&] { OpenLabFile(foreign, NoNetworkDrives); }), StoreErrorKind::Damaged);
    EXPECT_EQ(Bytes(foreign), before);
}

TEST_F(LabFileTest, ANetworkPathOpensReadOnlyPointingToTheSharedDatabase) {
    const auto network_z = [](char letter) { return letter == 'Z'; };
    EXPECT_TRUE(IsNetworkPath(R"(\\server\share\lab.sqlite)", NoNetworkDrives));
    EXPECT_TRUE(IsNetworkPath("//server/share/lab.sqlite", NoNetworkDrives));
    EXPECT_TRUE(IsNetworkPath(R"(\\?\UNC\server\share\lab.sqlite)", NoNetworkDrives));
    EXPECT_FALSE(IsNetworkPath(R"(\\?\C:\lab.sqlite)", NoNetworkDrives));
    EXPECT_TRUE(IsNetworkPath(R"(\\?\z:\lab.sqlite)", network_z));
    EXPECT_TRUE(IsNetworkPath(R"(z:\lab.sqlite)", network_z));
    EXPECT_FALSE(IsNetworkPath(R"(C:\lab.sqlite)", network_z));
    EXPECT_FALSE(IsNetworkPath("lab.sqlite", network_z));

    {
        LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
        DesignRegister(*database.connection).Register(EntryFor("C30", "甲"), "张三");
    }
    // The same file by a path that lies on the network: on Windows its drive said to be a
    // network drive, elsewhere a path starting with two slashes.
#ifdef _WIN32
    const std::string network_path = path_;
    const char drive = path_.front();
    const NetworkDriveCheck check = [drive](char letter) { return letter == (drive & ~0x20); };
#else
    const std::string network_path = "/" + path_;
    const NetworkDriveCheck check = NoNetworkDrives;
#endif
    LabDatabase database = OpenLabFile(network_path, check);
    EXPECT_NE(database.notice().find("共享数据库"), std::string::npos) << database.notice();
    EXPECT_EQ(Count(database), 1u);
    EXPECT_EQ(ErrorKindOf([&] {
                  DesignRegister(*database.connection).Register(EntryFor("C30", "乙"), "张三");
              }),
              StoreErrorKind::ReadOnly);
}

TEST_F(LabFileTest, AWriterKilledMidTransactionLeavesTheDatabaseAsBefore) {
    {
        LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
        DesignRegister designs(*database.connection);
        for (int i = 0; i < 3; ++i)
            designs.Register(EntryFor("C30", "原样"), "张三");
    }
    const std::string marker = folder_.Path("held");
    ChildProcess child({"hold", path_, marker});
    ASSERT_TRUE(WaitForFile(marker, 60)) << "the child never held its transaction";
    child.Kill();

    LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
    EXPECT_EQ(database.connection->CheckIntegrity(), "");
    for (const RegisteredDesign& d : DesignRegister(*database.connection).List({}))
        EXPECT_EQ(d.project, "原样");
    EXPECT_FALSE(Query(*database.connection, "SELECT 1 FROM lab_settings").Next());
    // Nothing is left locked.
    EXPECT_EQ(DesignRegister(*database.connection).Register(EntryFor("C30", "新"), "张三").number,
              "PB-" + std::to_string(YearOf(NowText())) + "-0004");
}

TEST_F(LabFileTest, TwoProcessesRegisteringAtOnceGetUniqueNumbersWithoutGaps) {
    OpenLabFile(path_, NoNetworkDrives);
    constexpr int kEach = 25;
    ChildProcess first({"register", path_, std::to_string(kEach)});
    ChildProcess second({"register", path_, std::to_string(kEach)});
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);

    LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
    std::set<std::string> numbers;
    for (const RegisteredDesign& d : DesignRegister(*database.connection).List({}))
        numbers.insert(d.number);
    std::set<std::string> expected;
    for (int i = 1; i <= 2 * kEach; ++i) {
        std::string sequence = std::to_string(i);
        expected.insert("PB-" + std::to_string(YearOf(NowText())) + "-" +
                        std::string(4 - sequence.size(), '0') + sequence);
    }
    EXPECT_EQ(numbers, expected);
}

TEST_F(LabFileTest, ABackupRestoresWhatItHeldAndABadCopyIsRefused) {
    LabDatabase database = OpenLabFile(path_, NoNetworkDrives);
    DesignRegister designs(*database.connection);
    designs.Register(EntryFor("C30", "甲"), "张三");
    const std::string backup = folder_.Path("备份.sqlite");
    BackupLab(database, backup);
    designs.Register(EntryFor("C30", "乙"), "张三");
    // An older backup is replaced; a file that is not a database, or the database itself, not.
    const std::string older = folder_.Path("上周.sqlite");
    BackupLab(database, older);
    EXPECT_EQ(ErrorKindOf([&] { BackupLab(database, path_); }), StoreErrorKind::Refused);
    const std::string other_file = folder_.Path("记录.txt");
    Write(other_file, "not a database");
    EXPECT_EQ(ErrorKindOf([&] { BackupLab(database, other_file); }), StoreErrorKind::Refused);
    EXPECT_EQ(Bytes(other_file), "not a database");

    LabDatabase other = OpenLabFile(path_, NoNetworkDrives);
    designs.Register(EntryFor("C30", "丙"), "张三");
    BackupLab(database, older);
    EXPECT_EQ(Count(*OpenLabFile(older, NoNetworkDrives).connection), 3u);
    RestoreLab(database, backup);
    EXPECT_EQ(Count(database), 1u);
    EXPECT_EQ(Count(other), 1u) << "another connection sees the restored database";

    const std::string bad = folder_.Path("bad.sqlite");
    Write(bad, std::string(8192, '\x01'));
    EXPECT_EQ(ErrorKindOf([&] { RestoreLab(database, bad); }), StoreErrorKind::Damaged);
    const std::string empty = folder_.Path("empty.sqlite");
    OpenSqlite(empty, SqliteAccess::ReadWrite);
    EXPECT_EQ(ErrorKindOf([&] { RestoreLab(database, empty); }), StoreErrorKind::Refused)
        << "an empty file is no backup";
    EXPECT_EQ(Count(database), 1u);
}

} // namespace
} // namespace mixora::store::testing
