// The file system, key state and hidden list box ports on Win32.
#pragma once

#include <windows.h>

#include "filer/core/ports.h"

namespace qd {

class Win32FileSystem : public FileSystemPort {
 public:
  std::string CurrentDirectory() override;
  bool ChangeDirectory(const std::string& path) override;
  void Search(const std::string& pattern, EntrySink& sink) override;
  bool Exists(const std::string& path) override;
  bool ToLocalFileTime(uint64_t utc, uint64_t* local) override;
  bool FindName(const std::string& path, std::string* name) override;
  bool Attributes(const std::string& path, uint32_t* attributes) override;
  uint32_t LogicalDrives() override { return GetLogicalDrives(); }
  bool DriveCurrentDirectory(int drive, std::string* path) override;
  bool ChangeDrive(int drive) override;
  std::string ShortPath(const std::string& path) override;
};

class TabControlStrip : public TabStripPort {
 public:
  void Attach(HWND tabs) { tabs_ = tabs; }
  void InsertTab(int index, std::string_view text) override;
  void SetTabText(int index, std::string_view text) override;
  void DeleteTab(int index) override;
  int TabCount() const override;
  int SelectedTab() const override;
  void SelectTab(int index) override;
  void Repaint() override;

 private:
  HWND tabs_ = nullptr;
};

class Win32KeyState : public KeyStatePort {
 public:
  bool ShiftDown() override { return GetKeyState(VK_SHIFT) & 0x8000; }
  bool CtrlDown() override { return GetKeyState(VK_CONTROL) & 0x8000; }
  bool AltDown() override { return GetKeyState(VK_MENU) & 0x8000; }
};

class ListBoxStore : public HistoryStorePort {
 public:
  void Attach(HWND box) { box_ = box; }
  void Add(std::string_view text) override;
  void Insert(int index, std::string_view text) override;
  void Delete(int index) override;
  std::string Text(int index) const override;
  int Count() const override;
  void Clear() override;

 private:
  HWND box_ = nullptr;
};

}  // namespace qd
