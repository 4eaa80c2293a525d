#include "game/program.h"

#include "game/console_display.h"
#include "game/console_entry.h"
#include "game/fatal_error.h"
#include "game/game_loop.h"
#include "game/settings.h"
#include "players/rng.h"
#include "rules/pieces.h"

namespace trevosk {

namespace {

constexpr int kWindowSide = 500;  // 550 on Windows

}  // namespace

int run_program(std::span<const std::string> args, ProgramIo io, const WindowFactory& open_window,
                std::optional<uint64_t> seed) {
  // 1. The single random generator.
  Rng rng = seed ? Rng(*seed) : Rng::from_system();
  // 2-4. Settings from the command line, corrected.
  // Without a program name (an empty vector, or an empty first word, which is
  // what the kernel passes for an empty vector) the program names itself.
  const std::string name = args.empty() || args[0].empty() ? std::string("trevosk") : args[0];
  const std::span<const std::string> words = args.empty() ? args : args.subspan(1);
  CommandLineResult cl = parse_command_line(name, words);
  if (!cl.run) {
    io.out << cl.out << std::flush;
    io.err << cl.err << std::flush;
    return cl.status;
  }
  Settings settings = cl.settings;
  correct_settings(settings);
  // 5. The game state with its board.
  GameState game;
  // 6. The piece tables.
  piece_tables();
  PlayerContext ctx{&rng, settings.think_width};
  try {
    if (settings.text_mode) {
      ConsoleMoveLog log(io.out, 2);
      ConsoleDisplay display(io.out);
      ConsoleEntry entry(io.in, io.out, log);
      run_game(settings, ctx, game, GameIo{display, entry, log, io.out});
    } else {
      // 7-10. The window and its background.
      std::unique_ptr<Frontend> window;
      try {
        window = open_window(kWindowSide, kWindowSide, io.out);
      } catch (const WindowError& e) {
        io.err << name << ": " << e.what() << "; use -t to play in text mode.\n" << std::flush;
        return 2;
      }
      window->draw_background();
      run_game(settings, ctx, game,
               GameIo{window->display(), window->human(), window->log(), io.out});
    }
  } catch (const FatalError& e) {
    io.out << std::flush;
    io.err << "Fatal error: exception " << e.what() << "\n" << std::flush;
    return 2;
  } catch (const EndProgram& e) {
    io.out << std::flush;
    return e.status;
  }
  return 0;
}

}  // namespace trevosk
