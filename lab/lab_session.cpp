#include "lab_session.h"

#include "lab_database_setting.h"

namespace mixora::lab {

LabSession::LabSession(store::LabDatabase database, std::string name, std::string person)
    : database_(std::move(database)), name_(std::move(name)), person_(std::move(person)) {}

std::string LabSession::Who() {
    return WhoIsWorking(connection(), person_);
}

std::string LabSession::LostLine() const {
    return "未连接" + name_ + "：请用“文件 → 重新连接共享数据库”重新连接";
}

LabNotice LabSession::Tell(const store::StoreError& error) {
    if (error.kind() != store::StoreErrorKind::Lost) return {error.Message(), true};
    if (lost_) return {LostLine(), false};
    lost_ = true;
    return {
        error.Message() + "\n\n与" + name_ +
            "的连接已中断。窗口中显示的内容保持不变，设计仍可保存为文件；服务器恢复后请用“文件 → "
            "重新连接共享数据库”重新连接（不会改用本机数据库）。",
        true};
}

void LabSession::Reconnect() {
    connection().Reconnect();
    lost_ = false;
}

} // namespace mixora::lab
