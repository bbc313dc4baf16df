#pragma once

#include <QString>

// The test process's own settings store (a temporary folder, see test_main.cpp).
namespace TestStore {

void clear();
void mapPort(int commPort, const QString& device);
void setSetting(const QString& key, const QString& value);
QString setting(const QString& key);
bool hasSetting(const QString& key);

} // namespace TestStore
