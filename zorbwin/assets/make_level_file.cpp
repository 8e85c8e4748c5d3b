// Writes the level file from mazes drawn as text: 19 lines of 19 cell codes
// per maze, mazes apart by empty lines, lines starting with "//" ignored.
// Usage: make_level_file <mazes.txt> <output file>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int MazeSize = 19;
constexpr int MaxRun = 127;
constexpr std::string_view CellCodes = " .1234";
constexpr std::string_view Title = "Zorbix level file";

using Maze = std::vector<std::string>;

bool ReadMazes(const char* path, std::vector<Maze>& mazes) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << "cannot read " << path << "\n";
    return false;
  }
  Maze maze;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.starts_with("//")) continue;
    if (line.empty()) {
      if (!maze.empty()) mazes.push_back(maze);
      maze.clear();
      continue;
    }
    if (line.size() != MazeSize || line.find_first_not_of(CellCodes) != std::string::npos) {
      std::cerr << path << ":" << number << ": not a row of " << MazeSize << " cell codes\n";
      return false;
    }
    maze.push_back(line);
  }
  if (!maze.empty()) mazes.push_back(maze);
  for (const Maze& read : mazes) {
    if (read.size() != MazeSize) {
      std::cerr << path << ": a maze has " << read.size() << " rows\n";
      return false;
    }
  }
  return !mazes.empty();
}

void PutInt(std::string& out, std::int64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// (run length, code) pairs over the cells row by row; runs go on over row ends.
std::string Pack(const Maze& maze) {
  std::string cells;
  for (const std::string& row : maze) cells += row;
  std::string packed;
  for (std::size_t i = 0; i < cells.size();) {
    std::size_t run = 1;
    while (i + run < cells.size() && cells[i + run] == cells[i] && run < MaxRun) ++run;
    packed.push_back(static_cast<char>(run));
    packed.push_back(cells[i]);
    i += run;
  }
  return packed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_level_file <mazes.txt> <output file>\n";
    return 2;
  }
  std::vector<Maze> mazes;
  if (!ReadMazes(argv[1], mazes)) return 1;
  std::string file(Title);
  file.resize(30, '\0');
  PutInt(file, static_cast<std::int64_t>(mazes.size()), 2);
  PutInt(file, 0, 4);
  for (const Maze& maze : mazes) {
    std::string packed = Pack(maze);
    PutInt(file, static_cast<std::int64_t>(packed.size()), 4);
    file += packed;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << file;
  if (!out.flush()) {
    std::cerr << "cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
