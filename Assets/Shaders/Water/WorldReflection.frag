#version 120
// A puddle's mirror image of what stands above it: the picture flipped,
// darkened towards the water's deep red and faded with depth.

uniform sampler2D texture;

void main()
{
    vec2 uv = vec2(gl_TexCoord[0].x, 1.0 - gl_TexCoord[0].y);
    vec4 base = texture2D(texture, uv);
    float fade = smoothstep(1.0, 0.3, gl_TexCoord[0].y);
    vec3 water = mix(base.rgb * 0.6, vec3(0.16, 0.05, 0.06), 0.35);
    gl_FragColor = vec4(water, base.a * fade * 0.55) * gl_Color;
}
