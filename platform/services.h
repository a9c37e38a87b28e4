#pragma once

class Clock;
class DesktopNotifier;
class DriveService;
class FileDialog;
class FolderPicker;
class MessageBox;
class ProcessRunner;
class Shell;
class SoundPlayer;
class TextEditor;
class ZipComponent;

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
    ProcessRunner* processes = nullptr;
    ZipComponent* zip = nullptr;
    SoundPlayer* sounds = nullptr;
    TextEditor* textEditor = nullptr;
    DesktopNotifier* notifier = nullptr;
};
