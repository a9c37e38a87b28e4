#pragma once

class Clock;
class DriveService;
class FileDialog;
class FolderPicker;
class MessageBox;
class Shell;

// The platform services one window's logic works through. The program wires
// the real ones; tests wire doubles or the real drive service on temporary
// folders.
struct Services {
    DriveService* drives = nullptr;
    FileDialog* fileDialog = nullptr;
    FolderPicker* folderPicker = nullptr;
    MessageBox* messages = nullptr;
    Shell* shell = nullptr;
    Clock* clock = nullptr;
};
