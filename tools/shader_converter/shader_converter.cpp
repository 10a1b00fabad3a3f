#include "tools/shader_converter/shader_converter.h"

#include "platform/web/fixed_function_names.h"

#include <cctype>
#include <set>
#include <vector>

namespace {

const char* const VERSION_LINE = "#version 110";
const char* const ES_HEADER = "#version 300 es\nprecision highp float;\nprecision highp int;\n";

enum Storage { ATTRIBUTE_IN, UNIFORM, STAGE_OUT, STAGE_IN };

const char* storageWord(Storage storage) {
    switch (storage) {
        case ATTRIBUTE_IN:
        case STAGE_IN: return "in";
        case UNIFORM: return "uniform";
        case STAGE_OUT: return "out";
    }
    return "";
}

// A plain built-in variable and what it becomes in one stage (or both).
struct PlainBuiltin {
    const char* builtin;
    int stages;  // bit 0: vertex, bit 1: fragment
    Storage storage;
    const char* type;
    const char* name;
};

enum { IN_VERTEX = 1, IN_FRAGMENT = 2, IN_BOTH = 3 };

const PlainBuiltin PLAIN_BUILTINS[] = {
    {"gl_Vertex", IN_VERTEX, ATTRIBUTE_IN, "vec4", FF_ATTRIBUTE_NAMES[FF_VERTEX]},
    {"gl_Normal", IN_VERTEX, ATTRIBUTE_IN, "vec3", FF_ATTRIBUTE_NAMES[FF_NORMAL]},
    {"gl_Color", IN_VERTEX, ATTRIBUTE_IN, "vec4", FF_ATTRIBUTE_NAMES[FF_COLOR]},
    {"gl_MultiTexCoord0", IN_VERTEX, ATTRIBUTE_IN, "vec4", FF_ATTRIBUTE_NAMES[FF_MULTI_TEX_COORD0]},
    {"gl_MultiTexCoord1", IN_VERTEX, ATTRIBUTE_IN, "vec4", FF_ATTRIBUTE_NAMES[FF_MULTI_TEX_COORD0 + 1]},
    {"gl_MultiTexCoord2", IN_VERTEX, ATTRIBUTE_IN, "vec4", FF_ATTRIBUTE_NAMES[FF_MULTI_TEX_COORD0 + 2]},
    {"gl_MultiTexCoord3", IN_VERTEX, ATTRIBUTE_IN, "vec4", FF_ATTRIBUTE_NAMES[FF_MULTI_TEX_COORD0 + 3]},
    {"gl_FrontColor", IN_VERTEX, STAGE_OUT, "vec4", FF_FRONT_COLOR},
    {"gl_Color", IN_FRAGMENT, STAGE_IN, "vec4", FF_FRONT_COLOR},
    {"gl_FragColor", IN_FRAGMENT, STAGE_OUT, "vec4", FF_FRAG_COLOR},
    {"gl_ModelViewMatrix", IN_BOTH, UNIFORM, "mat4", FF_UNIFORM_NAMES[FF_MODELVIEW_MATRIX]},
    {"gl_ProjectionMatrix", IN_BOTH, UNIFORM, "mat4", FF_UNIFORM_NAMES[FF_PROJECTION_MATRIX]},
    {"gl_ModelViewProjectionMatrix", IN_BOTH, UNIFORM, "mat4", FF_UNIFORM_NAMES[FF_MODELVIEW_PROJECTION_MATRIX]},
    {"gl_NormalMatrix", IN_BOTH, UNIFORM, "mat3", FF_UNIFORM_NAMES[FF_NORMAL_MATRIX]},
};

// Built-in records, read field by field: gl_LightSource[i].position becomes
// ff_LightSource_position[i].
struct RecordField {
    const char* record;
    const char* field;
    const char* type;
    FixedFunctionUniform uniform;
};

const RecordField RECORD_FIELDS[] = {
    {"gl_LightSource", "position", "vec4", FF_LIGHT_POSITION},
    {"gl_LightSource", "ambient", "vec4", FF_LIGHT_AMBIENT},
    {"gl_LightSource", "diffuse", "vec4", FF_LIGHT_DIFFUSE},
    {"gl_LightSource", "specular", "vec4", FF_LIGHT_SPECULAR},
    {"gl_FrontLightProduct", "ambient", "vec4", FF_PRODUCT_AMBIENT},
    {"gl_FrontLightProduct", "diffuse", "vec4", FF_PRODUCT_DIFFUSE},
    {"gl_FrontLightProduct", "specular", "vec4", FF_PRODUCT_SPECULAR},
    {"gl_FrontMaterial", "ambient", "vec4", FF_MATERIAL_AMBIENT},
    {"gl_FrontMaterial", "diffuse", "vec4", FF_MATERIAL_DIFFUSE},
    {"gl_FrontMaterial", "specular", "vec4", FF_MATERIAL_SPECULAR},
    {"gl_FrontMaterial", "emission", "vec4", FF_MATERIAL_EMISSION},
    {"gl_FrontMaterial", "shininess", "float", FF_MATERIAL_SHININESS},
};

// Built-ins that GLSL ES 3.00 has as well, under the same name.
const char* const KEPT_BUILTINS[] = {"gl_Position", "gl_FragCoord", "gl_FrontFacing", "gl_PointSize", "gl_PointCoord"};

struct Converter {
    const std::string& source;
    ShaderStage stage;
    size_t at;
    std::string body;
    std::vector<std::string> declarations;
    std::set<std::string> declared;
    std::string error;
};

bool isIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentifierPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

void declare(Converter* c, Storage storage, const std::string& type, const std::string& name, const char* arraySize) {
    if (!c->declared.insert(name).second) return;
    c->declarations.push_back(std::string(storageWord(storage)) + " " + type + " " + name + arraySize + ";");
}

void skipSpaces(Converter* c) {
    while (c->at < c->source.size() && std::isspace(static_cast<unsigned char>(c->source[c->at]))) ++c->at;
}

std::string readIdentifier(Converter* c) {
    size_t start = c->at;
    while (c->at < c->source.size() && isIdentifierPart(c->source[c->at])) ++c->at;
    return c->source.substr(start, c->at - start);
}

// The text between the brackets of "[...]" at the current place (nested
// brackets allowed); false when there is no such bracket.
bool readIndex(Converter* c, std::string* index) {
    skipSpaces(c);
    if (c->at >= c->source.size() || c->source[c->at] != '[') return false;
    int depth = 0;
    size_t start = c->at + 1;
    for (; c->at < c->source.size(); ++c->at) {
        if (c->source[c->at] == '[') ++depth;
        if (c->source[c->at] == ']' && --depth == 0) {
            *index = c->source.substr(start, c->at - start);
            ++c->at;
            return true;
        }
    }
    return false;
}

bool fail(Converter* c, const std::string& reason) {
    c->error = reason;
    return false;
}

// gl_TexCoord[n]: one varying per coordinate set, so that the two stages
// agree on each whatever sets the other one uses.
bool convertTexCoord(Converter* c) {
    std::string index;
    if (!readIndex(c, &index)) return fail(c, "gl_TexCoord without an index");
    const size_t first = index.find_first_not_of(" \t");
    index = first == std::string::npos ? "" : index.substr(first, index.find_last_not_of(" \t") - first + 1);
    if (index.size() != 1 || !std::isdigit(static_cast<unsigned char>(index[0])) || index[0] - '0' >= FF_TEXTURE_UNITS)
        return fail(c, "gl_TexCoord[" + index + "]: the index must be a number below " +
                           std::to_string(FF_TEXTURE_UNITS));
    const std::string name = FF_TEX_COORD_PREFIX + index;
    declare(c, c->stage == VERTEX_STAGE ? STAGE_OUT : STAGE_IN, "vec4", name, "");
    c->body += name;
    return true;
}

bool convertRecord(Converter* c, const std::string& record) {
    std::string index;
    const bool indexed = record != "gl_FrontMaterial";
    if (indexed && !readIndex(c, &index)) return fail(c, record + " without an index");
    skipSpaces(c);
    if (c->at >= c->source.size() || c->source[c->at] != '.') return fail(c, record + " read whole, not by field");
    ++c->at;
    skipSpaces(c);
    const std::string field = readIdentifier(c);
    for (const RecordField& entry : RECORD_FIELDS) {
        if (record != entry.record || field != entry.field) continue;
        const std::string name = FF_UNIFORM_NAMES[entry.uniform];
        declare(c, UNIFORM, entry.type, name, indexed ? ("[" + std::to_string(FF_LIGHTS) + "]").c_str() : "");
        c->body += indexed ? name + "[" + index + "]" : name;
        return true;
    }
    return fail(c, record + "." + field + " is not fed by the web GL layer");
}

// ftransform() is the fixed-function transform of the vertex.
bool convertFtransform(Converter* c) {
    skipSpaces(c);
    if (c->source.compare(c->at, 1, "(") != 0) return fail(c, "ftransform without its call");
    ++c->at;
    skipSpaces(c);
    if (c->source.compare(c->at, 1, ")") != 0) return fail(c, "ftransform takes no argument");
    ++c->at;
    const char* matrix = FF_UNIFORM_NAMES[FF_MODELVIEW_PROJECTION_MATRIX];
    const char* vertex = FF_ATTRIBUTE_NAMES[FF_VERTEX];
    declare(c, UNIFORM, "mat4", matrix, "");
    declare(c, ATTRIBUTE_IN, "vec4", vertex, "");
    c->body += std::string("(") + matrix + " * " + vertex + ")";
    return true;
}

bool convertBuiltin(Converter* c, const std::string& word) {
    for (const char* kept : KEPT_BUILTINS) {
        if (word == kept) {
            c->body += word;
            return true;
        }
    }
    const int stageBit = c->stage == VERTEX_STAGE ? IN_VERTEX : IN_FRAGMENT;
    for (const PlainBuiltin& entry : PLAIN_BUILTINS) {
        if (word != entry.builtin || !(entry.stages & stageBit)) continue;
        declare(c, entry.storage, entry.type, entry.name, "");
        c->body += entry.name;
        return true;
    }
    if (word == "gl_TexCoord") return convertTexCoord(c);
    for (const RecordField& entry : RECORD_FIELDS) {
        if (word == entry.record) return convertRecord(c, word);
    }
    return fail(c, word + " is not fed by the web GL layer in this stage");
}

bool convertWord(Converter* c, const std::string& word) {
    if (word.compare(0, 3, "gl_") == 0) return convertBuiltin(c, word);
    if (word == "ftransform") return convertFtransform(c);
    if (word == "varying") {
        c->body += c->stage == VERTEX_STAGE ? "out" : "in";
    } else if (word == "attribute") {
        c->body += "in";
    } else if (word == "texture2D") {
        c->body += "texture";
    } else {
        for (const char* renamed : FF_RENAMED_IDENTIFIERS) {
            if (word == renamed) {
                c->body += FF_RENAMED_PREFIX + word;
                return true;
            }
        }
        c->body += word;
    }
    return true;
}

// Copies a comment, a number or any other character, or converts a word.
bool convertNext(Converter* c) {
    const std::string& s = c->source;
    if (s.compare(c->at, 2, "//") == 0) {
        size_t end = s.find('\n', c->at);
        end = end == std::string::npos ? s.size() : end;
        c->body.append(s, c->at, end - c->at);
        c->at = end;
    } else if (s.compare(c->at, 2, "/*") == 0) {
        size_t end = s.find("*/", c->at + 2);
        end = end == std::string::npos ? s.size() : end + 2;
        c->body.append(s, c->at, end - c->at);
        c->at = end;
    } else if (std::isdigit(static_cast<unsigned char>(s[c->at]))) {
        // A number with its suffixes and exponent letters, which are no words.
        size_t start = c->at;
        while (c->at < s.size() && (isIdentifierPart(s[c->at]) || s[c->at] == '.')) ++c->at;
        c->body.append(s, start, c->at - start);
    } else if (isIdentifierStart(s[c->at])) {
        return convertWord(c, readIdentifier(c));
    } else {
        c->body += s[c->at++];
    }
    return true;
}

}  // namespace

int convertShaderToEs300(const std::string& source, ShaderStage stage, std::string* out, std::string* error) {
    const size_t lineEnd = source.find('\n');
    std::string first = source.substr(0, lineEnd);
    if (!first.empty() && first.back() == '\r') first.pop_back();
    if (first != VERSION_LINE) {
        *error = std::string("the first line must be \"") + VERSION_LINE + "\"";
        return 0;
    }
    Converter c{source, stage, lineEnd == std::string::npos ? source.size() : lineEnd + 1, "", {}, {}, ""};
    while (c.at < source.size()) {
        if (!convertNext(&c)) {
            *error = c.error;
            return 0;
        }
    }
    *out = ES_HEADER;
    for (const std::string& declaration : c.declarations) *out += declaration + "\n";
    *out += c.body;
    return 1;
}
