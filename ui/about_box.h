#pragma once
// "О программе": the tool's version, the Qt it runs on, and the working folder its files are in.

#include <filesystem>

class QWidget;

namespace zorkan {

void ShowAboutBox(QWidget* parent, const std::filesystem::path& workDir);

}  // namespace zorkan
