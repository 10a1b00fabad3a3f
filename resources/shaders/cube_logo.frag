#version 110
// Lights the logo's cubes with light sources 0, 1 and 2. A dual-paraboloid
// environment lookup is mixed in by vpct, which the vertex program keeps at 0.

uniform int black;       // 1 writes opaque black instead
uniform sampler2D tex;   // the environment

varying vec3 v;
varying vec3 N;
varying float vpct;
varying float timev;

const int LIGHT_COUNT = 3;

// x^e with the limit 1 for e = 0 (pow leaves 0^0 undefined, and a shininess
// of 0 would otherwise turn every colour into NaN where the light grazes).
float highlight(float x, float e) {
    return e > 0.0 ? pow(x, e) : 1.0;
}

vec2 paraboloidCoordinates(vec3 r) {
    r.y = r.y * 0.6 + 0.22;
    float mu = 1.0 + 0.01 * timev;
    vec2 uv = r.z > 0.0 ? r.xy / (2.0 * (1.0 + r.z)) + 0.5
                        : r.xy / (2.0 * (1.0 - r.z)) + 0.5;
    return uv * mu;
}

void main() {
    vec4 colour = vec4(0.0);
    vec3 E = normalize(-v);
    for (int i = 0; i < LIGHT_COUNT; ++i) {
        vec3 L = normalize(gl_LightSource[i].position.xyz - v);
        vec3 R = normalize(-reflect(L, N));

        vec4 ambient = gl_FrontLightProduct[i].ambient;
        vec4 diffuse = clamp((gl_Color * 0.5 + gl_FrontLightProduct[i].diffuse * 0.5) * max(dot(N, L), 0.0), 0.0, 1.0);
        vec4 specular = clamp(gl_FrontLightProduct[i].specular
                              * highlight(max(dot(R, E), 0.0), 0.3 * gl_FrontMaterial.shininess), 0.0, 1.0);
        vec4 environment = texture2D(tex, paraboloidCoordinates(R));

        colour += ambient + diffuse + specular;
        colour = colour * (1.0 - vpct) + (colour * 0.4 + environment * 0.6) * vpct;
    }
    gl_FragColor = black == 0 ? colour : vec4(0.0, 0.0, 0.0, 1.0);
}
