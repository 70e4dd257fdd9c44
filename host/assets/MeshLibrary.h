// The meshes vessels are drawn with, found by name in the mesh directory and read once.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Mesh.h"

namespace host {

class MeshLibrary {
public:
    MeshLibrary();

    // Forgets every mesh read so far; vessels keep the ones they hold.
    void SetDirectory(std::filesystem::path dir);
    const std::filesystem::path& Directory() const { return directory; }

    // The mesh "Corvex/Bullet" is the file Corvex/Bullet.obj in the directory ('\' also
    // separates parts). Null when the name is unsafe or the file cannot be read; report hears
    // why, once per name, so a game that keeps spawning a vessel does not repeat the message.
    std::shared_ptr<const Mesh> Get(const std::string& name, const std::function<void(const std::string&)>& report);

    // Forgets every mesh read so far, and the failures: the next Get reads afresh.
    void Clear() { cache.clear(); }

private:
    std::filesystem::path directory;
    std::map<std::string, std::shared_ptr<const Mesh>, std::less<>> cache;  // null: could not be read
};

// data/meshes next to the running program.
std::filesystem::path DefaultMeshDirectory();

}  // namespace host
