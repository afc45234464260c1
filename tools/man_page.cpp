// Build-time tool: writes the nakkas-cli manual page from the program's own help texts, so a
// command added to the command table shows up in the manual without anyone editing roff.
// Usage: man_page NAKKAS_CLI VERSION OUTPUT
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string shellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs the program with the given arguments; false unless it exits with 0.
bool capture(const std::string& program, const std::string& arguments, std::string& output) {
    const std::string command = shellQuoted(program) + " " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return false;
    char buffer[4096];
    output.clear();
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    return pclose(pipe) == 0;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.push_back(line);
    }
    return result;
}

// Roff text: backslashes and dashes escaped, and a leading dot or quote kept from being read as a
// request. Other characters stay UTF-8, which the page declares in its first line; \[uXXXX]
// escapes would read the same on screen but leave whatis with the raw escapes in its summary.
std::string roff(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
}

struct Command {
    std::string name;
    std::string summary;
    std::string usage;
};

// The command rows of "nakkas-cli --help": after "Komutlar:", one "  name   summary" line each
// until the first empty line.
std::vector<Command> commandRows(const std::string& help) {
    std::vector<Command> rows;
    bool inList = false;
    for (const std::string& line : lines(help)) {
        if (!inList) {
            inList = line == "Komutlar:";
            continue;
        }
        if (line.empty()) break;
        const auto start = line.find_first_not_of(' ');
        if (start == std::string::npos) break;
        const auto end = line.find(' ', start);
        Command row;
        row.name = line.substr(start, end - start);
        if (end != std::string::npos) {
            const auto summary = line.find_first_not_of(' ', end);
            if (summary != std::string::npos) row.summary = line.substr(summary);
        }
        rows.push_back(row);
    }
    return rows;
}

void verbatim(std::ostream& out, const std::string& text) {
    out << ".RS\n.nf\n";
    for (const std::string& line : lines(text)) out << (line.empty() ? "\\&" : roff(line)) << '\n';
    out << ".fi\n.RE\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: man_page NAKKAS_CLI VERSION OUTPUT\n");
        return 2;
    }
    const std::string cli = argv[1];
    std::string help;
    if (!capture(cli, "--help", help)) {
        std::fprintf(stderr, "man_page: %s --help failed\n", argv[1]);
        return 1;
    }
    std::vector<Command> rows = commandRows(help);
    if (rows.empty()) {
        std::fprintf(stderr, "man_page: no commands in the help text of %s\n", argv[1]);
        return 1;
    }
    for (Command& row : rows) {
        if (!capture(cli, shellQuoted(row.name) + " --help", row.usage)) {
            std::fprintf(stderr, "man_page: %s %s --help failed\n", argv[1], row.name.c_str());
            return 1;
        }
    }

    std::ostringstream page;
    page << "'\\\" -*- coding: UTF-8 -*-\n"
         << ".\\\" Written at build time from the help texts of nakkas-cli.\n"
         << ".TH NAKKAS\\-CLI 1 \"\" \"Nakkas " << roff(argv[2]) << "\" \"Nakkas\"\n"
         << ".SH NAME\n"
         << "nakkas\\-cli \\- "
         << roff("Android için Java ve XML kod üreticisi Nakkas'ın komut satırı")
         << "\n.SH SYNOPSIS\n"
         << ".B nakkas\\-cli\n.I " << roff("KOMUT") << "\n.RI [ " << roff("SEÇENEKLER") << " ]\n"
         << ".br\n.B nakkas\\-cli\n.I " << roff("KOMUT") << "\n.B \\-\\-help\n"
         << ".br\n.B nakkas\\-cli \\-\\-help\n"
         << ".br\n.B nakkas\\-cli \\-\\-version\n"
         << ".SH DESCRIPTION\n.B nakkas\\-cli\n"
         << roff(
                "Nakkas penceresiyle aynı çekirdeği kullanır: her komut, şeritteki karşılığının ve "
                "araç formunun yaptığını yapar; formun alanları seçenek olarak verilir.")
         << "\n.PP\n"
         << roff(
                "Standart çıktıya, kod panelinin alacağı metin bayt bayt yazılır: UTF-8, satır "
                "sonları üretildiği gibi (metinde CR LF varsa CR LF), sonuna satır sonu "
                "eklenmeden.")
         << "\n.PP\n"
         << roff(
                "Bir seçeneğin değeri sonraki argümandır (--var ad) ya da = işaretinden sonra "
                "gelir (--var=ad). -- ile başlayan bir değer yalnızca = biçiminde verilir "
                "(--var=--ad). -- seçeneklerin sonunu gösterir. Fazladan argüman ve geçerli UTF-8 "
                "olmayan argüman kullanım hatasıdır.")
         << "\n.SH COMMANDS\n";
    for (const Command& row : rows) {
        page << ".TP\n.B " << roff(row.name) << '\n' << roff(row.summary) << '\n';
        verbatim(page, row.usage);
    }
    page << ".SH OPTIONS\n"
         << ".TP\n.B \\-\\-help\n"
         << roff("Komutların listesini ya da bir komutun kullanımını yazar.")
         << "\n.TP\n.B \\-\\-version\n"
         << roff("Sürümü yazar.") << '\n'
         << ".SH \"EXIT STATUS\"\n"
         << ".TP\n.B 0\n"
         << roff("İş yapıldı.") << '\n'
         << ".TP\n.B 1\n"
         << roff(
                "Girdi reddedildi (programın Türkçe iletisi standart hataya yazılır) ya da çıktı "
                "yazılamadı.")
         << "\n.TP\n.B 2\n"
         << roff("Kullanım hatası: bilinmeyen komut ya da seçenek, eksik ya da bozuk değer.")
         << '\n'
         << ".SH FILES\n"
         << ".TP\n.I " << roff("~/.config/Pelvan/Nakkas 2012.ini") << '\n'
         << roff(
                "Pencereyle ortak kullanıcı ayarları (Varsayilanlar bölümü). Kayıtlı "
                "varsayılanları kullanan komutlar başlangıç değerlerini buradan okur; başka "
                "komutlar "
                "dosyaya hiç bakmaz. Dosya okunamaz ya da çözümlenemezse (normal bir dosya değilse "
                "de) fabrika değerleri kullanılır ve standart hataya tek satırlık bir uyarı "
                "yazılır.")
         << '\n';

    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << page.str();
    out.close();
    if (!out) {
        std::fprintf(stderr, "man_page: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
