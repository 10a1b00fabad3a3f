#version 110
// The old screen: the scene seen through a curved lens as three copies (the
// picture and two glass reflections), with colour fringes, the flash, noise,
// scan lines, a vignette and flicker.

uniform int screen_w;
uniform int screen_h;
uniform float time;
uniform float value1;        // flash: brightness added to every channel
uniform float value2;        // how far the colour fringes spread
uniform float deform_value;  // lens deformation
uniform sampler2D texture;   // the scene, wrapping with mirrored repeat
uniform float distort1;      // lens strength of the picture
uniform float distort2;      // of the first glass copy
uniform float distort3;      // of the second glass copy

// The lens: the zoom grows towards the edges, by more where strength is higher.
vec2 zoom(vec2 p, float strength) {
    float z = 1.5 - strength * (cos(deform_value * p.x) + cos(deform_value * p.y));
    return vec2(p.x * z - 0.5, p.y * z - 0.5);
}

float hash(vec2 c) {
    return fract(sin(12.9898 * c.x + 78.233 * c.y) * 43758.5453);
}

// The lens maps into -1..0; whatever falls outside the screen is black. The
// mirrored wrap reads coordinate -x as x.
vec3 scene(vec2 c) {
    if (c.x < -1.0 || c.x > 0.0 || c.y < -1.0 || c.y > 0.0) return vec3(0.0);
    return texture2D(texture, c).rgb;
}

void main() {
    vec2 st = gl_TexCoord[0].st;
    vec2 p = vec2(1.0 - 2.0 * st.x, 1.0 - 2.0 * st.y + 0.1);
    float k = deform_value;
    float w = float(screen_w);
    float h = float(screen_h);

    vec2 z0 = zoom(p, distort1);
    vec2 z1 = zoom(p, distort2);
    vec2 z2 = zoom(p, distort3);

    // Near zero only close to the lens' sweet spots: there the fringes show.
    float edge = 32.0 * (2.0 - cos(k / 2.0 + k * z0.x) - cos(k / 2.0 + k * z0.y));

    float na = hash(vec2(p.x + time, p.y - time));
    float nb = hash(vec2(p.x - time, p.y + time));
    float dd = 2.0 * na / w;
    float spread = value2 * edge;

    vec3 picture = scene(z0);
    vec3 glass = scene(z1);
    vec3 fringes = vec3(scene(vec2(z0.x - dd - spread, z0.y - dd)).r,
                        picture.g,
                        scene(vec2(z0.x - dd + spread, z0.y - dd)).b);
    vec3 colour = picture + glass * glass + 0.1 * scene(z2) + 0.15 * fringes;

    colour += value1;
    colour -= 0.125 * (na - nb);

    colour *= 0.75 + 0.25 * sin(10.2 * z0.x * w);
    colour *= 0.90 + 0.10 * cos(10.2 * z0.y * h) * sin(0.5 + 10.2 * z0.x * w);

    colour *= st.x * (6.0 - 6.0 * st.x) * st.y * (6.0 - 6.0 * st.y);

    colour *= 0.975 + 0.025 * sin(77.7 * time * cos(191.1 * time));

    gl_FragColor = vec4(colour, 1.0);
}
