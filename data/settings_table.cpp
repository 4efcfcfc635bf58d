#include "data/settings_table.h"

#include "platform/files/fs_path.h"

namespace data {

void openSettingsTable(shell::MainContext& ctx) {
    ctx.Table2.TableName = kSettingsFile;
    ctx.Table2.table.open(files::toFsPath(ctx.state.AppDir + kSettingsFile));
}

std::string settingText(shell::MainContext& ctx, SettingPosition position) {
    dbase::Table& t = ctx.Table2.table;
    t.first();
    return t.fieldText(position);
}

long long settingInt(shell::MainContext& ctx, SettingPosition position) {
    dbase::Table& t = ctx.Table2.table;
    t.first();
    return t.fieldInt(position);
}

namespace {

void writeField(dbase::Table& t, std::string_view fieldName, std::string_view value) {
    t.first();
    t.edit();
    try {
        const int field = t.findField(fieldName);
        if (field < 0) {
            throw dbase::Error(t.path().string() + ": no field named " + std::string(fieldName));
        }
        t.setFieldText(field, value);
        t.post();
    } catch (...) {
        // Nothing was written; leave the table readable for the next caller.
        t.cancel();
        throw;
    }
}

}  // namespace

void button2Click(shell::MainContext& ctx) {
    writeField(ctx.Table2.table, ctx.state.SettingField, ctx.state.SettingValue);
}

void writePassword(shell::MainContext& ctx, std::string_view password) {
    writeField(ctx.Table2.table, "key", password);
}

}  // namespace data
