#include "network/network_graphs.h"

namespace dossier {

namespace {

// A tie is drawn once, from the member below; the "runs" at its other end says nothing more.
bool DrawnFromHere(const NetworkLink& link) {
    return link.kind != kRuns;
}

std::string DotQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\n') {
            quoted += "\\n";
            continue;
        }
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// Mermaid reads entities in quoted labels; # starts one, so it is written as one too.
std::string MermaidQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "#quot;";
                break;
            case '#':
                quoted += "#35;";
                break;
            case '<':
                quoted += "#lt;";
                break;
            case '>':
                quoted += "#gt;";
                break;
            default:
                quoted += c;
        }
    }
    return quoted + '"';
}

std::string LinkLabel(const NetworkLink& link) {
    return link.kind + ", " + link.contact + (link.knowsTrueName ? ", knows the true name" : "");
}

}  // namespace

std::string NodeLabel(const Network& network, std::size_t member) {
    const CharacterNames& names = network.members[member].names;
    std::string label = MemberCaption(network, member);
    if (!names.alias.empty() && names.alias != label) label += "\n\"" + names.alias + "\"";
    return label + "\n" + network.members[member].profile.role;
}

std::string MemberCaption(const Network& network, std::size_t member) {
    const CharacterNames& names = network.members[member].names;
    if (!names.name.empty()) return names.name;
    if (!names.alias.empty()) return names.alias;
    return "Member " + std::to_string(member + 1);
}

std::string NetworkDot(const Network& network) {
    std::string dot = "digraph network {\n  node [shape=box];\n";
    bool secret = false;
    for (std::size_t m = 0; m < network.members.size(); ++m)
        dot +=
            "  m" + std::to_string(m + 1) + " [label=" + DotQuoted(NodeLabel(network, m)) + "];\n";
    for (std::size_t m = 0; m < network.members.size(); ++m) {
        for (const NetworkLink& link : network.links[m]) {
            if (!DrawnFromHere(link)) continue;
            const bool hidden = link.to == kOtherSide;
            secret = secret || hidden;
            dot += "  m" + std::to_string(m + 1) + " -> " +
                   (hidden ? std::string("other") : "m" + std::to_string(link.to)) +
                   " [label=" + DotQuoted(LinkLabel(link)) +
                   (IsCommand(link.kind) ? "" : ", style=dashed") + "];\n";
        }
    }
    if (secret) dot += "  other [label=\"The other side\", style=dashed];\n";
    return dot + "}\n";
}

std::string NetworkMermaid(const Network& network) {
    std::string chart = "flowchart BT\n";
    bool secret = false;
    for (std::size_t m = 0; m < network.members.size(); ++m) {
        // Line breaks are markup, which the quoting would spoil.
        std::string quoted = MermaidQuoted(NodeLabel(network, m));
        for (std::size_t at = quoted.find('\n'); at != std::string::npos; at = quoted.find('\n'))
            quoted.replace(at, 1, "<br/>");
        chart += "  m" + std::to_string(m + 1) + "[" + quoted + "]\n";
    }
    for (std::size_t m = 0; m < network.members.size(); ++m) {
        for (const NetworkLink& link : network.links[m]) {
            if (!DrawnFromHere(link)) continue;
            const bool hidden = link.to == kOtherSide;
            secret = secret || hidden;
            const bool command = IsCommand(link.kind);
            chart += "  m" + std::to_string(m + 1) + (command ? " -->|" : " -.->|") +
                     MermaidQuoted(LinkLabel(link)) + "| " +
                     (hidden ? std::string("other") : "m" + std::to_string(link.to)) + "\n";
        }
    }
    if (secret) chart += "  other[\"The other side\"]\n";
    return chart;
}

}  // namespace dossier
