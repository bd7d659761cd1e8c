#version 120
// The player's change of form: the old look burns away in a ragged sweep from
// the feet up, behind a front of pale gold fire, and the same frame of the new
// form's sheet shows in its place. Both sheets share one layout, so one
// texture coordinate addresses the same frame in each.

uniform sampler2D texture;
uniform sampler2D textureEnd;
uniform float clock;    // seconds into the change
uniform float clockMax; // length of the change (4 s)

float hash(vec2 p)
{
    return fract(sin(dot(p, vec2(12.9898, 78.233))) * 43758.5453);
}

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 from = texture2D(texture, uv);
    vec4 to = texture2D(textureEnd, uv);

    float progress = clockMax > 0.0 ? clamp(clock / clockMax, 0.0, 1.0) : 1.0;
    // Chunky grain so the front frays rather than shimmers.
    float grain = hash(floor(uv * 160.0));
    // 0 at the feet, about 1 at the head, roughened by the grain.
    float t = (1.0 - uv.y) * 0.75 + grain * 0.25;
    float front = progress * 1.2 - 0.1;
    float gone = step(t, front);
    float edge = (1.0 - smoothstep(0.0, 0.06, abs(t - front))) * (1.0 - progress * progress);

    vec4 colour = mix(from, to, gone);
    vec3 fire = vec3(1.0, 0.85, 0.5);
    float alpha = max(colour.a, edge * max(from.a, to.a));
    gl_FragColor = vec4(colour.rgb + fire * edge, alpha) * gl_Color;
}
