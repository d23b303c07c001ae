// A stand-in for the game on Windows, where the tests cannot start a shell script: it writes its
// own file name, its working folder and then its arguments, one a line, to "record.txt" beside
// itself, as the script writeFakeGame writes elsewhere does. Folders use "/" like Qt's paths.
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path self = fs::absolute(fs::path(argv[0]));
    const fs::path folder = self.parent_path();
    std::string name = self.filename().string();
    {
        std::ofstream record(folder / "record.part", std::ios::binary);
        record << name << '\n' << fs::current_path().generic_string() << '\n';
        for (int i = 1; i < argc; ++i)
            record << argv[i] << '\n';
    }
    std::error_code ignored;
    fs::rename(folder / "record.part", folder / "record.txt", ignored);
    return 0;
}
