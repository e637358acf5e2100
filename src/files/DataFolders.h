#pragma once

class Folders;
class IPrompts;

// Makes sure the data folder exists, creating each missing folder of its chain in order.
// On failure shows "Error Creating Folder" titled "File I/O Error" and returns false.
bool InitDataDirectory(const Folders& folders, IPrompts& prompts);
