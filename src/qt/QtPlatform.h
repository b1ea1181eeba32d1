#pragma once
// The real platform: the desktop's beep, clock, current folder, programs, message boxes.

#include "Platform.h"

namespace zen::qt {

class QtPlatform : public Platform {
 public:
  void beep() override;
  LocalDateTime now() override;
  std::filesystem::path currentDirectory() override;
  bool startProgram(const std::string& program, const std::vector<std::string>& arguments) override;
  void messageBox(const std::string& text, const std::string& title) override;
  void endProgram() override;
  std::filesystem::path installedDataFolder() override;
  std::unique_ptr<BrowserControl> createBrowser() override;
};

}  // namespace zen::qt
