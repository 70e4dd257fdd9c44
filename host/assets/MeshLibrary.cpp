#include "MeshLibrary.h"

#include <cctype>

#include "ObjMeshFile.h"
#include "core/ModuleLoader.h"

namespace host {

namespace {

// Parts of letters, digits, '_', '-' and '.', none of them "." or "..": a name never leaves the
// mesh directory, whatever a module passes. Empty when the name is not like that.
std::string NormalisedName(const std::string& name) {
    if (name.empty() || name.size() > 200) return {};
    std::string normal;
    std::string part;
    auto closePart = [&](bool last) {
        if (part.empty() || part == "." || part == "..") return false;
        normal += part;
        if (!last) normal += '/';
        part.clear();
        return true;
    };
    for (char c : name) {
        if (c == '/' || c == '\\') {
            if (!closePart(false)) return {};
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.') {
            part += c;
        } else {
            return {};
        }
    }
    return closePart(true) ? normal : std::string{};
}

}  // namespace

MeshLibrary::MeshLibrary() : directory(DefaultMeshDirectory()) {}

void MeshLibrary::SetDirectory(std::filesystem::path dir) {
    directory = std::move(dir);
    cache.clear();
}

std::shared_ptr<const Mesh> MeshLibrary::Get(const std::string& name,
                                             const std::function<void(const std::string&)>& report) {
    const std::string normal = NormalisedName(name);
    // A bad name never equals a normalised one, so it can be remembered under itself.
    const std::string& key = normal.empty() ? name : normal;
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    std::shared_ptr<const Mesh> mesh;
    if (normal.empty()) {
        report("mesh '" + name + "': not a mesh name (parts of letters, digits, '_', '-' and '.', joined by '/')");
    } else {
        try {
            mesh = std::make_shared<const Mesh>(ReadObjMesh(directory / (normal + ".obj")));
        } catch (const Error& e) {
            report("mesh '" + name + "': " + e.what());
        }
    }
    cache.emplace(key, mesh);
    return mesh;
}

std::filesystem::path DefaultMeshDirectory() {
    return DefaultModuleDirectory().parent_path() / "data" / "meshes";
}

}  // namespace host
