begin
end

