#version 110
// Plasma: four interfering waves seen through a bulging lens; their sum picks
// a colour from a palette texture.

uniform float time;
uniform sampler2D palette;

void main() {
    vec2 p = gl_TexCoord[0].xy;
    float r = length(p);
    vec2 lens = p * (1.0 + 0.5 * r * r);
    float wave = sin(6.0 * lens.x + time)
               + sin(5.0 * lens.y - 1.3 * time)
               + sin(4.0 * (lens.x + lens.y) + 0.7 * time)
               + sin(8.0 * r - 2.0 * time);
    gl_FragColor = texture2D(palette, vec2(0.5 + 0.125 * wave, 0.5));
}
