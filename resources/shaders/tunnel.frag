#version 110
// Tunnel: a wall texture wrapped round the view axis, bumped by a relief
// texture and lit through a light texture; only a horizontal band is drawn.

uniform float time;
uniform sampler2D wall;
uniform sampler2D relief;
uniform sampler2D light;

const float BAND = 0.6;  // half-height of the drawn band
const float PI = 3.14159265;

void main() {
    vec2 p = 2.0 * gl_TexCoord[0].xy - 1.0;
    if (p.y < -BAND || p.y > BAND) discard;

    float r = max(length(p), 0.001);
    vec2 uv = vec2(0.5 / r + 0.5 * time, atan(p.y, p.x) / PI);
    float height = texture2D(relief, uv).r;
    vec3 colour = texture2D(wall, uv + 0.05 * height).rgb * texture2D(light, vec2(height, r)).rgb;
    gl_FragColor = vec4(colour * r, 1.0);  // darker into the distance
}
