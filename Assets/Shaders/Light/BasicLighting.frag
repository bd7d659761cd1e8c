#version 120
// The room's light layer, drawn over the scene. Each of the ten light slots
// adds a soft pool of its colour (alpha is its strength) that flickers with
// its intensity sample. Around the pools the room's edges darken a little,
// breathing with the flicker of all ten, so a room without lights still feels
// candle-lit. It covers the screen every frame, and software renderers run
// every slot (and both sides of any branch) for every pixel, lit or not: so
// the slots are unrolled with constant indices, without branches, and each
// costs a handful of operations.

uniform vec2 resolution;          // size of the room picture in pixels
uniform vec2 lightPos[10];        // room coordinates
uniform vec4 lightColor[10];
uniform float deltaIntensity[10]; // flicker, in [-0.1, 0]

// The room leaves the layer out where it is wholly transparent, from this radius and
// the edge darkening's start (0.2 below): change them together with its copies.
const float INV_RADIUS2 = 1.0 / (420.0 * 420.0);

vec2 p;
// rgb: the lights' colours weighted by their strength at this pixel; a: the summed strength.
vec4 acc = vec4(0.0);

void addLight(vec2 position, vec4 colour, float flicker)
{
    vec2 d = p - position;
    float fall = max(1.0 - dot(d, d) * INV_RADIUS2, 0.0);
    acc += vec4(colour.rgb, 1.0) * (fall * fall * colour.a * (1.0 + 2.0 * flicker));
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    p = uv * resolution;

    addLight(lightPos[0], lightColor[0], deltaIntensity[0]);
    addLight(lightPos[1], lightColor[1], deltaIntensity[1]);
    addLight(lightPos[2], lightColor[2], deltaIntensity[2]);
    addLight(lightPos[3], lightColor[3], deltaIntensity[3]);
    addLight(lightPos[4], lightColor[4], deltaIntensity[4]);
    addLight(lightPos[5], lightColor[5], deltaIntensity[5]);
    addLight(lightPos[6], lightColor[6], deltaIntensity[6]);
    addLight(lightPos[7], lightColor[7], deltaIntensity[7]);
    addLight(lightPos[8], lightColor[8], deltaIntensity[8]);
    addLight(lightPos[9], lightColor[9], deltaIntensity[9]);

    float flicker = (deltaIntensity[0] + deltaIntensity[1] + deltaIntensity[2] + deltaIntensity[3] +
                     deltaIntensity[4] + deltaIntensity[5] + deltaIntensity[6] + deltaIntensity[7] +
                     deltaIntensity[8] + deltaIntensity[9]) * 0.1;

    // Edge darkness in the clear colour's hue.
    vec2 c = uv - 0.5;
    float edge = smoothstep(0.2, 0.75, dot(c, c) * 2.0) * (0.28 + flicker * 1.5);
    // A pool tints the scene (the layer is alpha-blended, not added), strongest at its heart.
    float strength = acc.a;
    float alpha = clamp(strength * 0.35 + edge, 0.0, 0.6);
    vec3 dark = vec3(0.16, 0.047, 0.055);
    vec3 pool = acc.rgb / max(strength, 1e-4);
    vec3 colour = mix(dark, pool, strength / (strength + edge + 1e-4));
    gl_FragColor = vec4(colour, alpha);
}
