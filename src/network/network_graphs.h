#pragma once

#include <string>

#include "core/saved/network.h"

namespace dossier {

// The network for Graphviz's dot: members as boxes with name, alias and role, each tie once
// as an arrow from the lower end, labelled with its kind and contact.
std::string NetworkDot(const Network& network);

// The same as a Mermaid flowchart, for note applications that draw one.
std::string NetworkMermaid(const Network& network);

// How a member is called on a picture: the name, else the alias, else "Member N".
std::string MemberCaption(const Network& network, std::size_t member);

// A member's box in a graph: the caption, the alias in quotes where it is not the caption, the
// role; a line each.
std::string NodeLabel(const Network& network, std::size_t member);

}  // namespace dossier
