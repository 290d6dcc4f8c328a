#pragma once
// Control IDs of 实验室设置 → 数据库 and of the administrator's login it asks for (the automation
// interface, README.md).
namespace mixora::ui::database_settings_ids {

inline constexpr int kLocal = 8401;          // option 本机数据库
inline constexpr int kPath = 8402;           // its file
inline constexpr int kBrowse = 8403;         // 浏览...
inline constexpr int kShared = 8404;         // option 共享数据库
inline constexpr int kConnection = 8405;     // a DSN or a connection string
inline constexpr int kPassword = 8406;       // typed, never shown
inline constexpr int kTestConnection = 8407; // 测试连接
inline constexpr int kInitialize = 8408;     // 初始化共享数据库...
inline constexpr int kMigrate = 8409;        // 从本机数据库迁移到共享数据库...
inline constexpr int kResult = 8410;         // what the last of the three said
inline constexpr int kPasswordNote = 8411;   // where the password is kept

// The administrator's login (初始化, 迁移).
inline constexpr int kAdminConnection = 8420;
inline constexpr int kAdminPassword = 8421;
inline constexpr int kAdminNote = 8422;

} // namespace mixora::ui::database_settings_ids
