#include "game/program.h"

#include <array>
#include <vector>

#include "game/computer_seat.h"
#include "game/console_display.h"
#include "game/console_entry.h"
#include "game/game_loop.h"
#include "game/settings.h"
#include "game/stream_edges.h"
#include "players/parallel.h"
#include "players/rng.h"
#include "rules/pieces.h"

namespace trevosk {

namespace {

constexpr int kWindowSide = 500;

}  // namespace

std::string program_name(std::span<const std::string> args) {
  return args.empty() || args[0].empty() ? std::string("trevosk") : args[0];
}

int run_program(std::span<const std::string> args, ProgramIo io, const WindowFactory& open_window,
                std::optional<uint64_t> seed) {
  // 1. The single random generator.
  Rng rng = seed ? Rng(*seed) : Rng::from_system();
  // 2. The settings from the command line, corrected.
  const std::string name = program_name(args);
  const std::span<const std::string> words = args.empty() ? args : args.subspan(1);
  CommandLineResult cl = parse_command_line(name, words);
  if (!cl.run) {
    io.out << cl.out;
    if (!output_ok(io.out, io.err, name)) return kOutputFailedStatus;
    io.err << cl.err << std::flush;
    return cl.status;
  }
  Settings settings = cl.settings;
  correct_settings(settings);
  // 3. The game, the piece tables and the computer seats.
  Game game;
  piece_tables();
  // One game at a time: a computer move may use every core.
  auto seat_config = [&](int p) {
    ComputerConfig config = computer_config(settings, p);
    config.threads = hardware_threads();
    return config;
  };
  std::array<ComputerSeat, 2> computers = {
      ComputerSeat(seat_config(1), rng),
      ComputerSeat(seat_config(2), rng),
  };
  auto seats_with = [&](Seat& human) {
    return std::array<Seat*, 2>{settings.is_com[1] ? &computers[0] : &human,
                                settings.is_com[2] ? &computers[1] : &human};
  };
  // 4. A text game on the standard streams.
  if (settings.text_mode) {
    ConsoleDisplay display(io.out);
    ConsoleSeat console(io.in, io.out);
    GameObserver* observers[] = {&display};
    // A failed write stops the game at once: nobody would see the rest.
    const GameRun run =
        play_game(game, seats_with(console), observers, [&] { return io.out.fail(); });
    if (!output_ok(io.out, io.err, name)) return kOutputFailedStatus;
    if (run.end != GameEnd::Finished) {
      // Otherwise only the console seat stops a text game: its input has ended.
      io.err << "Fatal error: exception End_of_file\n" << std::flush;
      return 2;
    }
    return 0;
  }
  // 5. Otherwise the window and its background, and the game in it.
  const OpenedFrontend opened = open_window(kWindowSide, kWindowSide, io.out);
  if (!opened.frontend) {
    io.err << name << ": " << opened.error << "; use -t to play in text mode.\n" << std::flush;
    return 2;
  }
  Frontend& window = *opened.frontend;
  window.draw_background();
  GameObserver* observers[] = {&window.observer()};
  const GameRun run = play_game(game, seats_with(window.mouse_seat()), observers,
                                [&] { return window.quit_requested() || io.out.fail(); });
  if (!output_ok(io.out, io.err, name)) return kOutputFailedStatus;
  // A key pressed while a human is to move, or the window closed, ends the
  // program at once; after the game a key press does.
  if (run.end == GameEnd::Finished) window.wait_for_key();
  return 0;
}

}  // namespace trevosk
