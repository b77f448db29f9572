#include "game/find_mistake.h"

#include <vector>

#include "classlib/contract.h"
#include "game/color_elements.h"
#include "game/game.h"
#include "strategy/game_messages.h"
#include "model/board.h"
#include "model/n_solutions.h"
#include "model/state.h"

namespace vantry {

namespace {

constexpr const char* kUndoBackText = "Undo back to before this move";
constexpr const char* kLookingText = "Looking for your mistake...";

// r3c5: row and column counted from 1.
std::string cell_words(int r, int c) {
  std::string name = "r";
  name += static_cast<char>('1' + r);
  name += 'c';
  name += static_cast<char>('1' + c);
  return name;
}

// The puzzle's solution from the oldest State's givens, 81 digits row by row:
// count 1 fills it; 0 and 2 leave it empty; -1 interrupted.
int solve_givens(const State& oldest, SolutionCounter& counter, int solution[9][9]) {
  State givens;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& cell = oldest.cell(r, c);
      if (cell.given && cell.answer != 0) givens.set_answer(r, c, cell.answer);
    }
  }
  const bool was_recording = counter.record_solution();
  counter.set_record_solution(true);
  const int n = counter.n_solutions(givens);
  if (n == 1) {
    const char* text = counter.solution_text();
    for (int i = 0; i < 81; ++i) {
      solution[i / 9][i % 9] = text[i] - '0';
      VANTRY_ASSERT(solution[i / 9][i % 9] >= 1 && solution[i / 9][i % 9] <= 9);
    }
  }
  counter.set_record_solution(was_recording);
  return n;
}

// A cell of s that disagrees with the solution: a wrong answer, or an empty
// cell that can no longer take its digit.
bool cell_wrong(const State& s, int r, int c, const int solution[9][9]) {
  const Cell& cell = s.cell(r, c);
  const int d = solution[r][c];
  return cell.answer != 0 ? cell.answer != d : !cell.possible[d];
}

bool state_wrong(const State& s, const int solution[9][9]) {
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (cell_wrong(s, r, c, solution)) return true;
    }
  }
  return false;
}

// Which cell the move from before (fine) to after (wrong) broke, and how. A
// wrong answer the move placed comes first: its placement also takes its
// digit from the cell's row, column and box, which may be some peer's
// solution. Then a solution digit the move removed.
void blame(const State* before, const State& after, const int solution[9][9], Mistake& m) {
  // The first wrong cell, row by row, for which test holds.
  auto first = [&](auto test) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        if (cell_wrong(after, r, c, solution) && test(r, c)) {
          m.row = r;
          m.column = c;
          return true;
        }
      }
    }
    return false;
  };
  auto placed = [&](int r, int c) {
    return after.cell(r, c).answer != 0 && after.cell(r, c).answer != before->cell(r, c).answer;
  };
  auto lost = [&](int r, int c) {
    return after.cell(r, c).answer == 0 && before->cell(r, c).is_possible(solution[r][c]);
  };
  const bool found = (before != nullptr && (first(placed) || first(lost))) || first([](int, int) { return true; });
  VANTRY_ASSERT(found);
  const Cell& cell = after.cell(m.row, m.column);
  m.solution = solution[m.row][m.column];
  m.kind = cell.answer != 0 ? MistakeKind::WrongAnswer : MistakeKind::RemovedSolution;
  m.digit = cell.answer != 0 ? cell.answer : m.solution;
  if (before == nullptr) m.kind = MistakeKind::BeforeFirstMove;
}

// The changes of one move, each as the player would say it, and the first
// cell the move touched.
std::vector<std::string> changes(const State& before, const State& after, int& first_r, int& first_c) {
  std::vector<std::string> out;
  first_r = first_c = -1;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const Cell& a = before.cell(r, c);
      const Cell& b = after.cell(r, c);
      const std::size_t had = out.size();
      const std::string where = cell_words(r, c);
      if (a.answer == 0 && b.answer != 0) {
        out.push_back("placed " + std::to_string(b.answer) + " in " + where);
      } else if (a.answer != 0 && b.answer == 0) {
        out.push_back("took " + std::to_string(a.answer) + " back from " + where);
      } else if (a.answer != b.answer) {
        out.push_back("changed " + where + " from " + std::to_string(a.answer) + " to " + std::to_string(b.answer));
      } else if (b.answer == 0) {
        // A placement elsewhere clears its peers without deleting: only
        // deleted flags tell the player's removals and restorations.
        for (int d = 1; d <= 9; ++d) {
          if (a.possible[d] && !b.possible[d] && b.deleted[d]) {
            out.push_back("removed " + std::to_string(d) + " from " + where);
          } else if (!a.possible[d] && b.possible[d] && a.deleted[d]) {
            out.push_back("restored " + std::to_string(d) + " to " + where);
          }
        }
      }
      if (out.size() > had && first_r < 0) {
        first_r = r;
        first_c = c;
      }
    }
  }
  return out;
}

}  // namespace

std::string move_in_words(const State& before, const State& after) {
  int r = 0, c = 0;
  const std::vector<std::string> list = changes(before, after, r, c);
  if (list.empty()) return "you made a move that changed no answer or possibility";
  // A hint applied in one move may remove a dozen possibilities: the first
  // two name the move well enough.
  std::string text = "you " + list[0];
  if (list.size() == 2) text += " and " + list[1];
  if (list.size() > 2) {
    text += ", " + list[1] + " and made " + std::to_string(list.size() - 2) + " more change" +
            (list.size() == 3 ? "" : "s");
  }
  return text;
}

Mistake find_mistake(const Board& board, SolutionCounter& counter) {
  Mistake m;
  const int last = board.current_index();

  // Step 1. The solution the moves are compared with.
  int solution[9][9] = {};
  const int n = solve_givens(board.at(0), counter, solution);
  if (n < 0) {
    m.kind = MistakeKind::Cancelled;
    return m;
  }
  if (n == 0) {
    m.kind = MistakeKind::PuzzleUnsolvable;
    return m;
  }
  m.compared = n == 1;

  // Step 2. Back from the position on display while the position is wrong.
  // With one solution, a position is wrong exactly when some answer or lost
  // digit disagrees with it, so no count is needed; without one, a position
  // is wrong when it has no solution left.
  int first_wrong = last + 1;
  for (int i = last; i >= 0; --i) {
    bool wrong = false;
    if (m.compared) {
      wrong = state_wrong(board.at(i), solution);
    } else {
      State scratch = board.at(i);
      const int count = counter.n_solutions(scratch);
      if (count < 0) {
        m.kind = MistakeKind::Cancelled;
        return m;
      }
      wrong = count == 0;
    }
    if (!wrong) break;
    first_wrong = i;
  }
  if (first_wrong > last) return m;  // fine as it stands

  // Step 3. The move that made the first wrong State, and its cell.
  m.move = first_wrong;
  const State& after = board.at(first_wrong);
  const State* before = first_wrong > 0 ? &board.at(first_wrong - 1) : nullptr;
  if (m.compared) {
    blame(before, after, solution, m);
  } else if (before == nullptr) {
    m.kind = MistakeKind::BeforeFirstMove;
  } else {
    m.kind = MistakeKind::NoSolution;
    m.words = move_in_words(*before, after);
    changes(*before, after, m.row, m.column);
  }
  return m;
}

std::string mistake_text(const Mistake& m) {
  const std::string where = m.row >= 0 ? cell_words(m.row, m.column) : "";
  const std::string digit = std::to_string(m.digit);
  const std::string there = ", but the solution has " + std::to_string(m.solution) + " there.";
  const std::string move = "Move " + std::to_string(m.move) + ": ";
  switch (m.kind) {
    case MistakeKind::None:
      return m.compared ? "No mistake so far: every answer agrees with the solution, and every "
                          "empty cell can still take its digit."
                        : "No mistake so far: the puzzle can still be solved.";
    case MistakeKind::WrongAnswer: return move + "you placed " + digit + " in " + where + there;
    case MistakeKind::RemovedSolution: return move + "you removed " + digit + " from " + where + there;
    case MistakeKind::NoSolution: return move + m.words + ", but after that the puzzle has no solution.";
    case MistakeKind::BeforeFirstMove:
      if (m.row < 0) return "Before your first move the puzzle already has no solution.";
      if (m.solution != m.digit) {
        return "Before your first move " + where + " already holds " + digit + there;
      }
      return "Before your first move " + where + " has already lost " + digit + there;
    case MistakeKind::PuzzleUnsolvable: return "The puzzle itself has no solution, so none of your moves is to blame.";
    case MistakeKind::Cancelled: break;
  }
  return "";
}

void find_my_mistake(Game& game) {
  if (!game.activity_guard() || !game.puzzle_guard()) return;
  game.resume_game();
  Board& board = game.board();
  BusyManager& busy = game.busy();
  SystemServices& services = game.services();

  // Step 1. The walk, which counts solutions and may take a while on a long
  // history of a puzzle without one solution.
  busy.start(kBusyCheckingSolution, kLookingText, busy_phase(kBusyCheckingSolution).delay_ms);
  const Mistake m = find_mistake(board, game.counter());
  const bool cancelled = busy.cancel_pressed();
  busy.end(kBusyCheckingSolution);
  if (cancelled || m.kind == MistakeKind::Cancelled) return;

  // Step 2. The cell is framed on the grid as a hint's cell is, until the
  // next move clears the marks.
  auto frame = [&] {
    if (m.row < 0) return;
    State& s = board.current();
    s.clear_marks(false, false);
    s.mark_cell(m.row, m.column, kColorHintRemove);
    game.repaint();
  };
  frame();
  const std::string text = mistake_text(m);
  const bool undoable =
      m.kind == MistakeKind::WrongAnswer || m.kind == MistakeKind::RemovedSolution || m.kind == MistakeKind::NoSolution;
  if (!undoable) {
    services.message_box(text, kProductName,
                         m.kind == MistakeKind::None ? MessageIcon::Information : MessageIcon::Exclamation,
                         MessageButtons::Ok);
    return;
  }

  // Step 3. Only the player's choice moves the history, as Undo would, step
  // by step; the undone States stay for Redo.
  if (!services.message_with_action(text, kProductName, MessageIcon::Exclamation, kUndoBackText)) return;
  const bool left_solved = board.current().is_solved();
  int k = 0;
  while (board.current_index() >= m.move && board.undo()) ++k;
  frame();
  game.count_moves(-k, true);
  if (left_solved) game.start_clock();
}

}  // namespace vantry
