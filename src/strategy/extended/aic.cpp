// Alternating inference chains with grouped nodes. A node is a digit in one
// cell, or in a group of two or three cells where a box meets a row or a
// column ("the 4 of r5c78" is true when one of those cells is 4). Strong
// links (=) join two nodes of which at least one is true: the two digits of
// a bivalue cell, or the two parts of a digit's places in a unit. Weak links
// (-) join two nodes of which at most one is true: two digits of one cell, or
// one digit in cells that all see each other. A chain that starts and ends
// with a strong link and alternates proves that one of its two ends is true,
// so any candidate at odds with both ends goes.
//
//   (4)r2c3 = (4)r2c7 - (4)r5c7 = (6)r5c7        either r2c3 is 4 or r5c7 is 6
//
// The search: 1. build the nodes, links and each node's conflicts; 2. from
// every node taken as false, a breadth-first walk alternating strong and weak
// links, so the first chain found from a start is its shortest; 3. the
// shortest chain over all starts whose ends share a conflict.
#include <bitset>
#include <string>
#include <vector>

#include "model/busy_manager.h"
#include "strategy/extended/grid_bits.h"
#include "strategy/extended/pattern_finders.h"
#include "strategy/finders/finder_support.h"
#include "strategy/hint_templates.h"
#include "strategy/move.h"

namespace vantry {

namespace {

// Candidates as bits d - 1 + 9 * cell.
using CandidateBits = std::bitset<729>;

// Longer chains are hard to follow and cost time; 16 nodes is ample.
constexpr int kMaxLinks = 15;

struct Node {
  int d;
  CellBits cells;
  std::string name() const {
    std::string out = "(";
    out += static_cast<char>('0' + d);
    out += ')';
    out += node_cells_name(cells);
    return out;
  }
};

struct Graph {
  std::vector<Node> nodes;
  std::vector<std::vector<int>> strong;  // from a false node to a true one
  std::vector<std::vector<int>> weak;    // from a true node to a false one
  std::vector<CandidateBits> conflicts;  // candidates that cannot be true beside the node
};

void link(std::vector<int>& list, int to) {
  for (int k : list) {
    if (k == to) return;
  }
  list.push_back(to);
}

// Step 1. Nodes, links and conflicts.
Graph build_graph(const GridBits& g) {
  Graph graph;
  int single[81][10];
  for (int i = 0; i < 81; ++i) {
    for (int d = 1; d <= 9; ++d) {
      single[i][d] = -1;
      if (!g.has(i, d)) continue;
      single[i][d] = static_cast<int>(graph.nodes.size());
      CellBits cell;
      cell.set(i);
      graph.nodes.push_back({d, cell});
    }
  }
  for (int d = 1; d <= 9; ++d) {
    for (int b = 18; b < kUnits; ++b) {
      for (int k = 0; k < 3; ++k) {
        const int line_row = (b - 18) / 3 * 3 + k, line_column = 9 + (b - 18) % 3 * 3 + k;
        for (int line : {line_row, line_column}) {
          const CellBits cells = g.holds[d] & unit_bits(b) & unit_bits(line);
          if (cells.count() >= 2) graph.nodes.push_back({d, cells});
        }
      }
    }
  }
  const int n = static_cast<int>(graph.nodes.size());
  graph.strong.resize(n);
  graph.weak.resize(n);
  graph.conflicts.resize(n);
  auto find_node = [&](int d, const CellBits& cells) {
    if (cells.count() == 1) {
      int i = 0;
      while (!cells.test(i)) ++i;
      return single[i][d];
    }
    for (int k = 0; k < n; ++k) {
      if (graph.nodes[k].d == d && graph.nodes[k].cells == cells) return k;
    }
    return -1;
  };
  for (int a = 0; a < n; ++a) {
    const Node& node = graph.nodes[a];
    const int d = node.d;
    const bool is_single = node.cells.count() == 1;
    int cell = 0;
    while (!node.cells.test(cell)) ++cell;
    // Strong: the other digit of a bivalue cell; the rest of a unit's places.
    if (is_single && digit_count(g.mask[cell]) == 2) {
      link(graph.strong[a], single[cell][first_digit(g.mask[cell] & ~(1u << (d - 1)))]);
    }
    for (int u = 0; u < kUnits; ++u) {
      const CellBits places = g.holds[d] & unit_bits(u);
      if ((node.cells & ~places).any()) continue;
      const CellBits rest = places & ~node.cells;
      if (rest.none()) continue;
      if (const int b = find_node(d, rest); b >= 0) link(graph.strong[a], b);
    }
    // Weak: same digit in cells that see the whole node; other digits of its cell.
    const CellBits seeing = common_peers(node.cells);
    for (int b = 0; b < n; ++b) {
      if (b != a && graph.nodes[b].d == d && (graph.nodes[b].cells & ~seeing).none()) graph.weak[a].push_back(b);
    }
    const CellBits same_digit = g.holds[d] & seeing;
    for (int j = 0; j < 81; ++j) {
      if (same_digit.test(j)) graph.conflicts[a].set(j * 9 + d - 1);
    }
    if (!is_single) continue;
    for (int e = 1; e <= 9; ++e) {
      if (e == d || !g.has(cell, e)) continue;
      graph.weak[a].push_back(single[cell][e]);
      graph.conflicts[a].set(cell * 9 + e - 1);
    }
  }
  return graph;
}

struct Chain {
  std::vector<int> nodes;  // start first; links alternate strong, weak, ..., strong
  CandidateBits removals;
};

// Step 2. The shortest chain from start (taken as false) to a later node
// whose conflicts meet the start's, no longer than limit links.
bool walk_from(const Graph& graph, int start, int limit, Chain& found) {
  const int n = static_cast<int>(graph.nodes.size());
  // States: node * 2 + 1 when the node is known true, + 0 when false.
  std::vector<int> parent(2 * n, -2), depth(2 * n, 0), queue;
  queue.reserve(2 * n);
  parent[2 * start] = -1;
  queue.push_back(2 * start);
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const int state = queue[head], node = state / 2;
    const bool is_true = state % 2 == 1;
    if (depth[state] >= limit) break;
    for (int next : is_true ? graph.weak[node] : graph.strong[node]) {
      const int next_state = 2 * next + (is_true ? 0 : 1);
      if (parent[next_state] != -2) continue;
      parent[next_state] = state;
      depth[next_state] = depth[state] + 1;
      queue.push_back(next_state);
      if (is_true || next <= start) continue;
      const CandidateBits removals = graph.conflicts[start] & graph.conflicts[next];
      if (removals.none()) continue;
      found.nodes.clear();
      for (int k = next_state; k >= 0; k = parent[k]) found.nodes.insert(found.nodes.begin(), k / 2);
      found.removals = removals;
      return true;
    }
  }
  return false;
}

// "cell 2,3 is 4", or "one of cells 5,7 and 5,8 is 4".
Text& node_phrase(Text& t, const Node& node) {
  const CellSet cells = to_cellset(node.cells);
  if (cells.count() == 1) {
    t.add("cell ").cell_name(cells.row(0), cells.column(0));
  } else {
    t.add("one of cells ").cell_list(cells, "and");
  }
  return t.add(" is ").number(node.d);
}

void describe_chain(const Graph& graph, const Chain& chain, int n, Move& move) {
  CellBits by_digit[10];
  for (int i = 0; i < 81; ++i) {
    for (int d = 1; d <= 9; ++d) {
      if (chain.removals.test(i * 9 + d - 1)) by_digit[d].set(i);
    }
  }
  // The chain's nodes: true ones (after a strong link) in one colour, false in the other.
  std::string notation;
  int last_cell = -1;
  for (std::size_t k = 0; k < chain.nodes.size(); ++k) {
    const Node& node = graph.nodes[chain.nodes[k]];
    if (k > 0) notation += k % 2 == 1 ? "=" : "-";
    notation += node.name();
    for (int i = 0; i < 81; ++i) {
      if (!node.cells.test(i)) continue;
      move.mark_digit(row_of_cell(i), column_of_cell(i), node.d, k % 2 == 1 ? kMarkColourA : kMarkColourB);
      if (i != last_cell) move.chain_append(row_of_cell(i), column_of_cell(i));
      last_cell = i;
    }
  }
  const unsigned digits = remove_all(move, by_digit);
  Text t;
  t.add("Alternating inference chain: ").add(notation).add("\n\nA \"=\" joins two candidates of which at least one ");
  t.add("is true, a \"-\" two of which at most one is true. So either ");
  node_phrase(t, graph.nodes[chain.nodes.front()]).add(", or ");
  node_phrase(t, graph.nodes[chain.nodes.back()]).add(". Either way, remove ");
  removal_list(t, by_digit).add(".");
  move.describe(n, kTemplateLong, t.str(), digits_phrase(digits));
}

}  // namespace

int find_aic(BusyManager& busy, int n, const State& s, int /*argument*/, Move& move) {
  const GridBits g(s);
  const Graph graph = build_graph(g);
  // Step 3. The shortest chain over all starts; the first start wins a tie.
  Chain best, chain;
  int limit = kMaxLinks;
  for (std::size_t start = 0; start < graph.nodes.size(); ++start) {
    if (start % 64 == 63 && busy.cancelled()) return 0;
    if (graph.strong[start].empty() || graph.conflicts[start].none()) continue;
    if (!walk_from(graph, static_cast<int>(start), limit, chain)) continue;
    best = chain;
    limit = static_cast<int>(chain.nodes.size()) - 2;  // a strictly shorter chain next
    if (limit < 1) break;
  }
  if (best.nodes.empty()) return 0;
  describe_chain(graph, best, n, move);
  return n;
}

}  // namespace vantry
