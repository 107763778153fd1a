#pragma once
#include <string>
#include <vector>

// The language the game speaks. The code names each text in English, marked for xgettext
// (tr, tr_c, tr_n); the catalogue of the language in use gives the rest, and English stays
// wherever it gives nothing. Texts are UTF-8 and live as long as the program.
const char* tr(const char* english);
// The same English said in another place, which a language may need to say otherwise.
const char* tr_c(const char* context, const char* english);
// A text with a number in it, in the form the language uses for n.
const char* tr_n(const char* singular, const char* plural, long n);
// A translated printf format, filled.
std::string format(const char* translated, long number);
std::string format(const char* translated, const char* text);

// The languages the game carries a catalogue for, by tag ("de", "pt_BR"): what the Options
// screen offers besides English.
std::vector<std::string> catalogue_tags();
// The language in use from now on: the catalogue of this tag, or English for "" and for a
// tag whose catalogue is missing or damaged.
void use_language(const std::string& tag);
// The catalogue in use instead of the carried one, for checks with a made-up language.
void use_catalogue_bytes(const void* bytes, std::size_t size);
// The tag in use; "" for English.
const std::string& language_in_use();
// A language's name in that language ("Deutsch"), as its catalogue gives it.
std::string language_name(const std::string& tag);

// What the options' choice `chosen` ("" for Automatic) means with this system language (a
// locale name such as "de-AT"): the chosen catalogue; or for Automatic, the system's own
// language, else its base language, else English (""). Only tags in `carried` are used.
std::string choose_language(const std::string& chosen, const std::string& system,
                            const std::vector<std::string>& carried);
// The system's user-interface language as a locale name ("de-AT"); "" where it tells none.
std::string system_language();
